#pragma once
// What an engineer reads from a sized line besides its pressure drop: the
// drop as a loss of saturation temperature, whether a riser carries the oil
// up, and whether the liquid line keeps its liquid liquid. Numbers only, IP.

#include "core/line_type.h"
#include "core/physics/saturation_curve.h"
#include "core/sizing/design_case.h"
#include "core/sizing/line_sizing.h"
#include "core/sizing/pressure_rating.h"

#include <optional>

namespace kestrin {

// The lowest velocity that still carries oil up a riser of this size, ft/s.
// Only suction and hot gas risers have one.
std::optional<double> MinimumOilReturnVelocityFps(LineType line, int sizeIndex);

struct OilReturn {
  double minimumVelocityFps = 0;
  double velocityFps = 0;
  bool ok = false;  // the velocity, unrounded, is at least the minimum
  bool operator==(const OilReturn&) const = default;
};

// The riser's velocity judged against the minimum for its size; none for a
// liquid line.
std::optional<OilReturn> JudgeOilReturn(LineType line, int sizeIndex, double velocityFps);

// Saturation temperature lost over a line with `dropPsi`, F: the suction
// line from the evaporating side, the discharge line towards a higher
// condensing pressure, the liquid line from the condensing side. None when
// the pressure at the far end lies outside the curve.
std::optional<double> SaturationTemperatureDrop(const SaturationCurve& curve, LineType line,
                                                const DesignCase& designCase, double dropPsi);

// Static head of a liquid column `heightFt` high, psi.
double StaticHeadPsi(double densityLbPerFt3, double heightFt);

struct FlashGas {
  // Subcooling left when the liquid arrives: subcooling minus the
  // saturation temperature lost to friction and the lift. None when the
  // pressure left lies below the curve.
  std::optional<double> subcoolingMarginF;
  bool ok = false;  // the margin is above 0
  bool operator==(const FlashGas&) const = default;
};

// The liquid line, lifting its liquid up the riser length.
FlashGas JudgeFlashGas(const SaturationCurve& curve, const DesignCase& designCase, double dropPsi,
                       double liquidDensityLbPerFt3);

struct LineReadings {
  std::optional<double> saturationDropF;
  std::optional<OilReturn> oilReturn;  // a suction or discharge line with a riser
  std::optional<FlashGas> flashGas;    // a liquid line
  std::optional<PressureRating> pressureRating;
  bool operator==(const LineReadings&) const = default;
};

// The readings of a sized line: `flow` is the flow the evaluation was made
// with, the riser is designCase.riserLengthFt.
LineReadings ReadLine(const SaturationCurve& curve, const DesignCase& designCase, const FluidState& flow,
                      const LineEvaluation& evaluation);

}  // namespace kestrin

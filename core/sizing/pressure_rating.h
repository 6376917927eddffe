#pragma once
// Whether the tube chosen for a line holds the pressure the line must be
// designed for. A reading only: it warns, and never changes the size the
// pressure drop chose.

#include "core/physics/refrigerant.h"
#include "core/physics/tube_series.h"
#include "core/sizing/design_case.h"

#include <optional>

namespace kestrin {

struct PressureRating {
  // What was rated: the tube, and the refrigerant whose pressure it holds.
  TubeSeries series = TubeSeries::TypeK;
  int sizeIndex = 0;
  Refrigerant refrigerant = Refrigerant::R22;
  // The line's design temperature and the saturation pressure there (the
  // bubble point for a blend with glide), F and psig.
  double designTemperatureF = 0;
  double designPressurePsig = 0;
  // The annealed tube's rated working pressure at its metal temperature,
  // F and psig.
  double ratingTemperatureF = 0;
  double tubeRatingPsig = 0;
  bool ok = false;  // the rating is at least the design pressure
  bool operator==(const PressureRating&) const = default;
};

// The design temperature of a line: the larger of the condensing temperature
// and the climate's high-side temperature for discharge and liquid lines,
// the larger of the evaporating temperature and the climate's low-side
// temperature for suction lines, F.
double LineDesignTemperatureF(const DesignCase& designCase);

// The design pressure of designCase.line against the rating of size
// `sizeIndex` of its tube series; none when the refrigerant's saturation
// data do not reach the design temperature.
std::optional<PressureRating> RatePressure(const DesignCase& designCase, int sizeIndex);

}  // namespace kestrin

#pragma once
// A blend's own bubble and dew lines, traced once by continuation in
// temperature from the cold end, where Raoult's law starts them well, up to
// where they end: the critical point of the blend's composition, where the
// two phases of a point become one. Each point on the way starts from its
// converged neighbour, so the trace reaches that end where a start by
// Raoult's law, its K-values near one, no longer leads anywhere.
//
// The traced points are then starts for any other bubble or dew point of the
// blend: a start depends on the blend alone, never on what was asked before.

#include "core/physics/reference/mixture_equilibrium.h"
#include "core/physics/reference/mixture_model.h"

#include <optional>
#include <vector>

namespace kestrin {

class PhaseEnvelope {
 public:
  PhaseEnvelope() = default;

  // The lines of the mixture with mole fractions `x`; empty when the points
  // at the cold end do not solve.
  static PhaseEnvelope Trace(const MixtureModel& model, const Amounts& x);

  bool Empty() const { return bubble_.empty(); }

  // The highest temperature at which both the bubble and the dew point
  // solve, K, and the pressure there of the point whose phases meet; NaN
  // when empty.
  double TopTemperatureK() const;
  double TopPressurePa() const;

  // Starts for the point at that temperature or pressure, best first:
  // interpolated between the traced points either side, then those points;
  // none outside the traced lines.
  std::vector<MixtureSaturation> StartsAtTemperature(SaturationPoint point, double temperatureK) const;
  std::vector<MixtureSaturation> StartsAtPressure(SaturationPoint point, double pressurePa) const;

 private:
  const std::vector<MixtureSaturation>& Line(SaturationPoint point) const {
    return point == SaturationPoint::Bubble ? bubble_ : dew_;
  }

  // Both lines at the same rising temperatures.
  std::vector<MixtureSaturation> bubble_;
  std::vector<MixtureSaturation> dew_;
};

}  // namespace kestrin

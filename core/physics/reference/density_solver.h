#pragma once
// The density of one phase at a given temperature and pressure.

#include "core/physics/reference/equation_of_state.h"
#include "core/physics/reference/reference_fluid.h"

#include <cmath>
#include <limits>
#include <optional>

namespace kestrin {

// The root of p(T, rho) = pressurePa on the given phase's branch of the
// isotherm whose temperature parts are `terms`; none when the branch does
// not reach that pressure (a vapour above its spinodal pressure, a liquid
// above the critical temperature). Bounded iterations; never hangs.
std::optional<double> SolveDensity(const EquationOfState& fluid, const TemperatureTerms& terms, double temperatureK,
                                   double pressurePa, Phase phase);

// Where a branch's root is searched: a start and the interval the branch
// lies in (`high` may be infinite).
struct DensityBracket {
  double start = 0;
  double low = 0;
  double high = std::numeric_limits<double>::infinity();
};

// The iteration behind SolveDensity, for any fluid: `pressureAt(rho)` gives
// the PressurePoint of the isotherm at rho, in any consistent density unit.
// Newton steps inside a bracket that shrinks as iterations learn about the
// isotherm; a point where it falls (dp/drho <= 0) lies between the branches
// and tells on which side the wanted one is.
template <class PressureAt>
std::optional<double> SolveOnBranch(const PressureAt& pressureAt, double pressurePa, Phase phase,
                                    DensityBracket bracket) {
  constexpr int kMaxIterations = 100;
  constexpr double kPressureTolerance = 1e-10;  // relative
  constexpr double kStepTolerance = 1e-13;      // relative
  double low = bracket.low;
  double high = bracket.high;
  double density = bracket.start;
  if (!(density < high)) density = 0.5 * (low + high);

  for (int iteration = 0; iteration < kMaxIterations; ++iteration) {
    const PressurePoint point = pressureAt(density);
    const double error = point.pressure - pressurePa;
    const bool stable = point.pressureSlope > 0;
    if (stable && std::abs(error) <= kPressureTolerance * pressurePa) return density;
    if (!stable) {
      if (phase == Phase::Vapour)
        high = density;
      else
        low = density;
    } else if (error < 0) {
      low = density;
    } else {
      high = density;
    }
    double next = stable ? density - error / point.pressureSlope : std::numeric_limits<double>::quiet_NaN();
    if (!(next > low && next < high)) next = std::isfinite(high) ? 0.5 * (low + high) : 2 * std::max(density, low);
    if (std::abs(next - density) <= kStepTolerance * density) {
      // The bracket has closed on a point that is not a root of this branch.
      return stable && std::abs(error) <= 1e-7 * pressurePa ? std::optional<double>(density) : std::nullopt;
    }
    density = next;
  }
  return std::nullopt;
}

}  // namespace kestrin

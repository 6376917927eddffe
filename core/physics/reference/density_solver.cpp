#include "core/physics/reference/density_solver.h"

#include <cmath>
#include <limits>

namespace kestrin {

namespace {

constexpr int kMaxIterations = 100;
constexpr double kPressureTolerance = 1e-10;  // relative
constexpr double kStepTolerance = 1e-13;      // relative

}  // namespace

std::optional<double> SolveDensity(const EquationOfState& fluid, const TemperatureTerms& terms, double temperatureK,
                                   double pressurePa, Phase phase) {
  const FluidEquation& eq = fluid.eq;
  if (!(pressurePa > 0) || !std::isfinite(pressurePa) || !(temperatureK > 0)) return std::nullopt;
  const bool subcritical = temperatureK < eq.criticalTemperatureK;
  if (phase == Phase::Liquid && !subcritical) return std::nullopt;

  // The root is bracketed by [low, high] as iterations learn about the
  // isotherm. Below the critical temperature the vapour branch lies below the
  // critical density and the liquid branch above it; in between the isotherm
  // falls (dp/drho <= 0), and a point there tells on which side the wanted
  // branch lies.
  double low = 0;
  double high = std::numeric_limits<double>::infinity();
  double density = pressurePa / (eq.gasConstant * temperatureK);  // ideal gas: below the vapour root
  if (phase == Phase::Vapour && subcritical) high = eq.criticalDensity;
  if (phase == Phase::Liquid) {
    low = eq.criticalDensity;
    // The saturated liquid: at or just below a compressed liquid's density.
    density = std::max(eq.liquidDensity(temperatureK), 1.01 * low);
  }
  if (!(density < high)) density = 0.5 * (low + high);

  for (int iteration = 0; iteration < kMaxIterations; ++iteration) {
    const PressurePoint point = fluid.PressureAt(terms, temperatureK, density);
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

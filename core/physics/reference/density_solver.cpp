#include "core/physics/reference/density_solver.h"

namespace kestrin {

std::optional<double> SolveDensity(const EquationOfState& fluid, const TemperatureTerms& terms, double temperatureK,
                                   double pressurePa, Phase phase) {
  const FluidEquation& eq = fluid.eq;
  if (!(pressurePa > 0) || !std::isfinite(pressurePa) || !(temperatureK > 0)) return std::nullopt;
  const bool subcritical = temperatureK < eq.criticalTemperatureK;
  if (phase == Phase::Liquid && !subcritical) return std::nullopt;

  // Below the critical temperature the vapour branch lies below the critical
  // density and the liquid branch above it.
  DensityBracket bracket;
  bracket.start = pressurePa / (eq.gasConstant * temperatureK);  // ideal gas: below the vapour root
  if (phase == Phase::Vapour && subcritical) bracket.high = eq.criticalDensity;
  if (phase == Phase::Liquid) {
    bracket.low = eq.criticalDensity;
    // The saturated liquid: at or just below a compressed liquid's density.
    bracket.start = std::max(eq.liquidDensity(temperatureK), 1.01 * bracket.low);
  }
  return SolveOnBranch([&](double density) { return fluid.PressureAt(terms, temperatureK, density); }, pressurePa,
                       phase, bracket);
}

}  // namespace kestrin

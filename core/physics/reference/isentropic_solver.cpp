#include "core/physics/reference/isentropic_solver.h"

#include "core/physics/reference/density_solver.h"

#include <algorithm>
#include <cmath>

namespace kestrin {

namespace {

constexpr int kMaxIterations = 40;
constexpr double kTolerance = 1e-11;  // relative, on T and rho
// A vapour end state may sit this far (relative) above the dew pressure of
// its temperature before it counts as inside the two-phase region: the pure
// fluids' ancillary pressures are that close to the equation's.
constexpr double kDewPressureMargin = 1e-3;

}  // namespace

std::optional<FluidPoint> SolveIsentropicEnd(const EquationOfState& fluid, const FluidPoint& from, double pressurePa) {
  const FluidEquation& eq = fluid.eq;
  const double r = eq.gasConstant;
  if (!(pressurePa > 0) || !std::isfinite(pressurePa)) return std::nullopt;

  const TemperatureTerms fromTerms = fluid.helmholtz.AtTemperature(from.temperatureK);
  const double entropy = fluid.EntropyAt(fromTerms, from.density);
  const double fromPressure = fluid.PressureAt(fromTerms, from.temperatureK, from.density).pressure;

  // Start from the ideal gas with this state's heat capacity ratio taken as
  // that of a polyatomic vapour: T2 = T1 (p2/p1)^(R/cp), cp ~ 4.5 R.
  double temperature = from.temperatureK * std::pow(pressurePa / fromPressure, 1 / 4.5);
  std::optional<double> startDensity =
      SolveDensity(fluid, fluid.helmholtz.AtTemperature(temperature), temperature, pressurePa, Phase::Vapour);
  double density = startDensity ? *startDensity : pressurePa / (r * temperature);

  // Newton's method on p(T, rho) = p and s(T, rho) = s1, with
  //   dp/drho = R T (1 + 2 d + dd), dp/dT = rho R (1 + d - dt),
  //   ds/dT = cv / T = -R (tt0 + tt) / T, ds/drho = -(dp/dT) / rho^2.
  for (int iteration = 0; iteration < kMaxIterations; ++iteration) {
    const TemperatureTerms terms = fluid.helmholtz.AtTemperature(temperature);
    const double delta = fluid.Delta(density);
    const ResidualDerivatives res = fluid.helmholtz.Residual(terms, delta);
    const IdealGasDerivatives ideal = fluid.helmholtz.IdealGas(terms.tau);
    const double p = density * r * temperature * (1 + res.d);
    const double s = r * (ideal.t + res.t - ideal.a - std::log(delta) - res.a) + fluid.entropyOffset;
    const double dpdrho = r * temperature * (1 + 2 * res.d + res.dd);
    const double dpdT = density * r * (1 + res.d - res.dt);
    const double dsdT = -r * (ideal.tt + res.tt) / temperature;
    const double dsdrho = -dpdT / (density * density);
    const double det = dpdrho * dsdT - dpdT * dsdrho;
    if (!(dpdrho > 0) || !(det != 0) || !std::isfinite(det)) return std::nullopt;

    const double fp = p - pressurePa;
    const double fs = s - entropy;
    double stepRho = -(fp * dsdT - dpdT * fs) / det;
    double stepT = -(dpdrho * fs - dsdrho * fp) / det;
    // No step more than a fifth of T or half of rho, so the iteration stays
    // on the vapour side it started on.
    const double scale =
        std::min({1.0, 0.2 * temperature / (std::abs(stepT) + 1e-300), 0.5 * density / (std::abs(stepRho) + 1e-300)});
    stepT *= scale;
    stepRho *= scale;
    temperature += stepT;
    density += stepRho;
    if (std::abs(stepT) <= kTolerance * temperature && std::abs(stepRho) <= kTolerance * density) {
      if (temperature < eq.criticalTemperatureK && pressurePa > eq.dewPressure(temperature) * (1 + kDewPressureMargin))
        return std::nullopt;
      return FluidPoint{temperature, density};
    }
  }
  return std::nullopt;
}

}  // namespace kestrin

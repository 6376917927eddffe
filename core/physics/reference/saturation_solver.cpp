#include "core/physics/reference/saturation_solver.h"

#include "core/physics/reference/density_solver.h"

#include <algorithm>
#include <cmath>

namespace kestrin {

namespace {

constexpr int kMaxIterations = 50;
// The ancillary pressures are within this (relative) of the equation's
// saturation pressure: a state farther from them is clearly on one side.
constexpr double kAncillaryMargin = 1e-3;

// Pure fluid: liquid and vapour at the same temperature with equal pressure
// and equal Gibbs energy. In reduced form, with J = delta (1 + delta ar_delta)
// and K = delta ar_delta + ar + ln(delta), both must be equal in the two
// phases. Newton's method on the two densities, from the ancillary densities.
std::optional<SaturatedStates> SolvePhaseEquilibrium(const EquationOfState& fluid, double temperatureK) {
  const FluidEquation& eq = fluid.eq;
  const TemperatureTerms terms = fluid.helmholtz.AtTemperature(temperatureK);
  double deltaL = fluid.Delta(eq.liquidDensity(temperatureK));
  double deltaV = fluid.Delta(eq.vapourDensity(temperatureK));
  if (!(deltaL > deltaV) || !(deltaV > 0)) return std::nullopt;

  for (int iteration = 0; iteration < kMaxIterations; ++iteration) {
    const ResidualDerivatives l = fluid.helmholtz.Residual(terms, deltaL);
    const ResidualDerivatives v = fluid.helmholtz.Residual(terms, deltaV);
    const double jL = deltaL * (1 + l.d);
    const double jV = deltaV * (1 + v.d);
    const double slopeL = 1 + 2 * l.d + l.dd;  // dJ/ddelta; dK/ddelta = slope / delta
    const double slopeV = 1 + 2 * v.d + v.dd;
    const double kL = l.d + l.a + std::log(deltaL);
    const double kV = v.d + v.a + std::log(deltaV);
    if (!(slopeL > 0) || !(slopeV > 0)) return std::nullopt;

    const double e = -(jL - jV);
    const double f = -(kL - kV);
    const double det = -slopeL * slopeV / deltaV + slopeV * slopeL / deltaL;
    double stepL = (e * (-slopeV / deltaV) + slopeV * f) / det;
    double stepV = (slopeL * f - slopeL / deltaL * e) / det;
    // Keep both densities positive and apart: at most halve either per step.
    const double scale =
        std::min({1.0, 0.5 * deltaL / std::abs(stepL + 1e-300), 0.5 * deltaV / std::abs(stepV + 1e-300)});
    stepL *= scale;
    stepV *= scale;
    deltaL += stepL;
    deltaV += stepV;
    if (!(deltaL > deltaV)) return std::nullopt;

    if (std::abs(stepL) <= 1e-12 * deltaL && std::abs(stepV) <= 1e-12 * deltaV) {
      const double rhoL = deltaL * eq.reducingDensity;
      const double rhoV = deltaV * eq.reducingDensity;
      // A converged pair that is one state twice is no equilibrium.
      if (!(rhoL > rhoV * (1 + 1e-6))) return std::nullopt;
      const double p = fluid.PressureAt(terms, temperatureK, rhoV).pressure;
      return SaturatedStates{p, p, rhoL, rhoV};
    }
  }
  return std::nullopt;
}

// The same equilibrium found along the pressure: each phase's density from
// its own branch of the isotherm, Newton on the Gibbs energy difference with
// d(gL - gV)/dp = 1/rhoL - 1/rhoV. Slower, but it holds close to the
// critical point, where the ancillary densities are too rough a start for
// the direct iteration.
std::optional<SaturatedStates> SolveAlongPressure(const EquationOfState& fluid, double temperatureK) {
  const FluidEquation& eq = fluid.eq;
  const TemperatureTerms terms = fluid.helmholtz.AtTemperature(temperatureK);
  const double rt = eq.gasConstant * temperatureK;
  double pressure = eq.bubblePressure(temperatureK);
  for (int iteration = 0; iteration < kMaxIterations; ++iteration) {
    const std::optional<double> rhoL = SolveDensity(fluid, terms, temperatureK, pressure, Phase::Liquid);
    const std::optional<double> rhoV = SolveDensity(fluid, terms, temperatureK, pressure, Phase::Vapour);
    if (!rhoL || !rhoV || !(*rhoL > *rhoV * (1 + 1e-6))) return std::nullopt;
    const double deltaL = fluid.Delta(*rhoL);
    const double deltaV = fluid.Delta(*rhoV);
    const ResidualDerivatives l = fluid.helmholtz.Residual(terms, deltaL);
    const ResidualDerivatives v = fluid.helmholtz.Residual(terms, deltaV);
    const double gibbsJump = rt * ((l.d + l.a + std::log(deltaL)) - (v.d + v.a + std::log(deltaV)));
    const double step = -gibbsJump / (1 / *rhoL - 1 / *rhoV);
    pressure += step;
    if (std::abs(step) <= 1e-11 * pressure) return SaturatedStates{pressure, pressure, *rhoL, *rhoV};
  }
  return std::nullopt;
}

std::optional<SaturatedStates> PseudoPureSaturation(const EquationOfState& fluid, double temperatureK) {
  const FluidEquation& eq = fluid.eq;
  const TemperatureTerms terms = fluid.helmholtz.AtTemperature(temperatureK);
  const double bubble = eq.bubblePressure(temperatureK);
  const double dew = eq.dewPressure(temperatureK);
  const std::optional<double> rhoL = SolveDensity(fluid, terms, temperatureK, bubble, Phase::Liquid);
  const std::optional<double> rhoV = SolveDensity(fluid, terms, temperatureK, dew, Phase::Vapour);
  if (!rhoL || !rhoV) return std::nullopt;
  return SaturatedStates{bubble, dew, *rhoL, *rhoV};
}

// dp/dT along the saturation line (Clausius-Clapeyron): (sV - sL) / (vV - vL).
// The ideal-gas parts of the entropies cancel but for ln(delta).
double SaturationSlope(const EquationOfState& fluid, double temperatureK, const SaturatedStates& s) {
  const TemperatureTerms terms = fluid.helmholtz.AtTemperature(temperatureK);
  const ResidualDerivatives l = fluid.helmholtz.Residual(terms, fluid.Delta(s.liquidDensity));
  const ResidualDerivatives v = fluid.helmholtz.Residual(terms, fluid.Delta(s.vapourDensity));
  const double entropyJump =
      fluid.eq.gasConstant * ((v.t - v.a) - (l.t - l.a) - std::log(s.vapourDensity / s.liquidDensity));
  return entropyJump / (1 / s.vapourDensity - 1 / s.liquidDensity);
}

}  // namespace

std::optional<SaturatedStates> SolveSaturation(const EquationOfState& fluid, double temperatureK) {
  const FluidEquation& eq = fluid.eq;
  if (!(temperatureK >= eq.minimumTemperatureK && temperatureK < eq.criticalTemperatureK)) return std::nullopt;
  if (eq.pseudoPure) return PseudoPureSaturation(fluid, temperatureK);
  if (std::optional<SaturatedStates> direct = SolvePhaseEquilibrium(fluid, temperatureK)) return direct;
  return SolveAlongPressure(fluid, temperatureK);
}

bool StableOnItsSide(const EquationOfState& fluid, double temperatureK, double pressurePa, Phase phase) {
  const FluidEquation& eq = fluid.eq;
  if (!(temperatureK < eq.criticalTemperatureK)) return true;
  const bool vapour = phase == Phase::Vapour;
  const double ancillary = vapour ? eq.dewPressure(temperatureK) : eq.bubblePressure(temperatureK);
  if (vapour ? pressurePa < ancillary * (1 - kAncillaryMargin) : pressurePa > ancillary * (1 + kAncillaryMargin))
    return true;
  double saturation = ancillary;
  if (!eq.pseudoPure) {
    const std::optional<SaturatedStates> s = SolveSaturation(fluid, temperatureK);
    if (s) saturation = s->bubblePressurePa;
  }
  return vapour ? pressurePa <= saturation * (1 + kSaturatedTolerance)
                : pressurePa >= saturation * (1 - kSaturatedTolerance);
}

std::optional<double> SaturationTemperature(const EquationOfState& fluid, double pressurePa, bool dew) {
  const FluidEquation& eq = fluid.eq;
  const AncillaryEquation& pressure = dew ? eq.dewPressure : eq.bubblePressure;
  const std::optional<double> start =
      pressure.TemperatureAt(pressurePa, eq.minimumTemperatureK, eq.criticalTemperatureK);
  if (!start || eq.pseudoPure) return start;

  // The ancillary is within a few hundredths of a percent of the equation's
  // own saturation pressure: Newton steps along the Clausius-Clapeyron slope
  // from there converge in two or three.
  double temperature = *start;
  for (int iteration = 0; iteration < 20; ++iteration) {
    const std::optional<SaturatedStates> s = SolveSaturation(fluid, temperature);
    if (!s) return std::nullopt;
    const double step = (pressurePa - s->bubblePressurePa) / SaturationSlope(fluid, temperature, *s);
    temperature += step;
    if (!(temperature >= eq.minimumTemperatureK && temperature < eq.criticalTemperatureK)) return std::nullopt;
    if (std::abs(step) <= 1e-10 * temperature) return temperature;
  }
  return std::nullopt;
}

}  // namespace kestrin

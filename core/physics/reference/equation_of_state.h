#pragma once
// A fluid's equation of state with its IIR reference shift: what the
// solvers of a ReferenceFluid work on.

#include "core/physics/reference/fluid_equation.h"
#include "core/physics/reference/helmholtz_equation.h"

namespace kestrin {

// One state's pressure and its density derivative at fixed temperature.
struct PressurePoint {
  double pressure = 0;       // Pa
  double pressureSlope = 0;  // dp/drho at constant T
};

struct EquationOfState {
  explicit EquationOfState(FluidEquation e) : eq(std::move(e)), helmholtz(eq) {}

  double Delta(double density) const { return density / eq.reducingDensity; }
  PressurePoint PressureAt(const TemperatureTerms& terms, double temperatureK, double density) const {
    const ResidualDerivatives r = helmholtz.Residual(terms, Delta(density));
    const double rt = eq.gasConstant * temperatureK;
    return {density * rt * (1 + r.d), rt * (1 + 2 * r.d + r.dd)};
  }
  // J/kg and J/(kg K) on the IIR reference.
  double EnthalpyAt(const TemperatureTerms& terms, double temperatureK, double density) const;
  double EntropyAt(const TemperatureTerms& terms, double density) const;

  FluidEquation eq;
  HelmholtzEquation helmholtz;
  // Added to the equation's own enthalpy and entropy to reach the IIR
  // reference, J/kg and J/(kg K).
  double enthalpyOffset = 0;
  double entropyOffset = 0;
};

}  // namespace kestrin

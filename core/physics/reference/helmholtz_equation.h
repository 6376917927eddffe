#pragma once
// The reduced Helmholtz energy alpha(tau, delta) = alpha0 + alphar of one
// fluid and its derivatives, evaluated in two steps: the temperature parts
// once per temperature, then the density parts for each density an iteration
// tries at that temperature.

#include "core/physics/reference/fluid_equation.h"

#include <array>

namespace kestrin {

// Derivatives of the residual part, each scaled to stay dimensionless and
// well-conditioned: d = delta a_delta, dd = delta^2 a_delta_delta,
// t = tau a_tau, tt = tau^2 a_tau_tau, dt = delta tau a_delta_tau.
struct ResidualDerivatives {
  double a = 0, d = 0, dd = 0, t = 0, tt = 0, dt = 0;
};

// The ideal-gas part without its ln(delta) term, with the same scaling.
struct IdealGasDerivatives {
  double a = 0, t = 0, tt = 0;
};

// Everything of the residual part that depends on temperature alone.
struct TemperatureTerms {
  double tau = 0;
  // Per polynomial or exponential term: tau^t exp(-tau^m), its scaled first
  // and second tau derivatives divided by it.
  std::array<double, kMaxResidualTerms> power{};
  std::array<double, kMaxResidualTerms> powerT{};
  std::array<double, kMaxResidualTerms> powerTT{};
  // Per Gaussian term: tau^t exp(-beta (tau - gamma)^2), its scaled first and
  // second tau derivatives divided by it.
  std::array<double, kMaxResidualTerms> gaussFactor{};
  std::array<double, kMaxResidualTerms> gaussT{};
  std::array<double, kMaxResidualTerms> gaussTT{};
};

class HelmholtzEquation {
 public:
  explicit HelmholtzEquation(const FluidEquation& equation);

  TemperatureTerms AtTemperature(double temperatureK) const;
  // The same at a reduced temperature given directly: a mixture reduces
  // temperature by its own composition-dependent reducing temperature.
  TemperatureTerms AtTau(double tau) const;
  ResidualDerivatives Residual(const TemperatureTerms& terms, double delta) const;
  IdealGasDerivatives IdealGas(double tau) const;

 private:
  IdealGasTerms ideal_;
  ResidualTerms residual_;
  double reducingTemperatureK_;
  int maxDensityExponent_ = 0;
  std::array<bool, kMaxExponentialPower + 1> exponentialPowerUsed_{};
};

}  // namespace kestrin

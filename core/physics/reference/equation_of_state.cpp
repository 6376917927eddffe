#include "core/physics/reference/equation_of_state.h"

#include <cmath>

namespace kestrin {

double EquationOfState::EnthalpyAt(const TemperatureTerms& terms, double temperatureK, double density) const {
  const ResidualDerivatives r = helmholtz.Residual(terms, Delta(density));
  const IdealGasDerivatives g = helmholtz.IdealGas(terms.tau);
  return eq.gasConstant * temperatureK * (1 + g.t + r.t + r.d) + enthalpyOffset;
}

double EquationOfState::EntropyAt(const TemperatureTerms& terms, double density) const {
  const double delta = Delta(density);
  const ResidualDerivatives r = helmholtz.Residual(terms, delta);
  const IdealGasDerivatives g = helmholtz.IdealGas(terms.tau);
  return eq.gasConstant * (g.t + r.t - g.a - std::log(delta) - r.a) + entropyOffset;
}

}  // namespace kestrin

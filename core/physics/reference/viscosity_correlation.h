#pragma once
// Evaluation of a fluid's own viscosity correlation, eta = eta0(T) +
// eta1(T) rho + delta_eta(T, rho), and of the dilute-gas models it and the
// corresponding-states models use. Temperatures in K, molar densities in
// mol/m3, viscosities in Pa s.

#include "core/physics/reference/viscosity_model.h"

namespace kestrin {

double DiluteGasViscosity(const DiluteGasModel& model, double molarMass, double temperatureK);

// eta - eta0: the initial-density and residual parts; NaN beyond the
// correlation's close-packed density, where it has no meaning.
double ExcessViscosity(const ViscosityCorrelation& correlation, double temperatureK, double molarDensity);

double CorrelationViscosity(const ViscosityCorrelation& correlation, double temperatureK, double molarDensity);

}  // namespace kestrin

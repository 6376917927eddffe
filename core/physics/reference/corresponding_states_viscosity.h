#pragma once
// Extended corresponding states for viscosity: a fluid's excess viscosity is
// its reference fluid's at the conformal state, scaled by the shape factors
// f = T/T0 and h = rho0/rho:
//   eta - eta0 = sqrt(f M / M0) h^(-2/3) [eta_ref(T0, rho0 psi) - eta0_ref(T0)],
// with psi the fluid's viscosity shape-factor correction.

#include "core/physics/reference/conformal_state.h"
#include "core/physics/reference/viscosity_model.h"

namespace kestrin {

// Pa s at T and molarDensity (mol/m3) of `fluid` of molar mass `molarMass`
// (kg/mol) over `reference` with its own correlation; NaN when there is no
// conformal state.
double CorrespondingStatesExcess(const ConformalFluid& fluid, double molarMass, const ReferenceFluid& reference,
                                 const ViscosityCorrelation& referenceCorrelation, double temperatureK,
                                 double molarDensity, double psi);

}  // namespace kestrin

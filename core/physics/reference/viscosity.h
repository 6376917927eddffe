#pragma once
// The viscosity of a reference fluid by its published transport model:
// dilute-gas, initial-density and residual terms, or extended corresponding
// states over a reference fluid where that is the published model.

#include "core/physics/reference/reference_fluid.h"

#include <QString>

namespace kestrin {

// Pa s at (T, rho) of `fluid`; rho in kg/m3. NaN when the fluid has no
// viscosity model or the state is one the model cannot describe (T <= 0,
// rho < 0, beyond its close-packed density, no conformal state).
double Viscosity(const ReferenceFluid& fluid, double temperatureK, double density);
// The paper the model comes from, as a citation line.
QString ViscositySource(const ReferenceFluid& fluid);

}  // namespace kestrin

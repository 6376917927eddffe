#pragma once
// The viscosity of a blend of fixed composition by residual entropy scaling
// (Yang, Kim, May, Bell, J. Chem. Eng. Data 66 (2021) 1385): the residual
// viscosity scaled by rho_N^(2/3) sqrt(m k T) is nearly a function of the
// reduced residual entropy alone, and a blend's ln(1 + scaled residual
// viscosity) is its components' averaged by mole fraction. Their generalized
// curve is replaced here by each component's own published viscosity model,
// read at the state with the blend's reduced temperature and residual
// entropy: no component needs a saturated state at the blend's temperature,
// and a blend of one component is that component's own model.
// Against the published pseudo-pure models of R410A and R407C it agrees
// within 4.5 % over the saturated liquid from -40 to 60 C and 2 % in the
// superheated vapour; up to 10 % in the saturated vapour near the critical
// point, where those models are least certain.

#include "core/physics/reference/blend.h"

#include <QString>

namespace kestrin {

// Pa s at (T, rho) of `blend`, rho in kg/m3 (0 for the dilute gas); NaN for
// a state the method cannot describe: a temperature that is not positive and
// finite or a density that is negative or not finite,
// a component without a viscosity model, or a component state of the blend's
// residual entropy that cannot be found.
double BlendViscosity(const Blend& blend, double temperatureK, double density);
// The method and its sources, as a citation line.
QString BlendViscositySource();

}  // namespace kestrin

#pragma once
// The conformal state of extended corresponding states: the state (T0, rho0)
// of a reference fluid with the same reduced residual Helmholtz energy and
// compressibility factor as the fluid at (T, rho). Solved exactly on both
// fluids' equations of state.

#include "core/physics/reference/reference_fluid.h"

#include <optional>

namespace kestrin {

struct ConformalState {
  double temperatureK = 0;  // T0
  double molarDensity = 0;  // rho0, mol/m3 of the reference fluid
};

// `molarDensity` in mol/m3 of `fluid`; none when the solve fails to converge.
std::optional<ConformalState> SolveConformalState(const ReferenceFluid& fluid, const ReferenceFluid& reference,
                                                  double temperatureK, double molarDensity);

}  // namespace kestrin

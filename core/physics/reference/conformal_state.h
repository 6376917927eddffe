#pragma once
// The conformal state of extended corresponding states: the state (T0, rho0)
// of a reference fluid with the same reduced residual Helmholtz energy and
// compressibility factor as the fluid at (T, rho). Solved exactly on both
// fluids' equations of state.

#include "core/physics/reference/reference_fluid.h"

#include <functional>
#include <optional>

namespace kestrin {

struct ConformalState {
  double temperatureK = 0;  // T0
  double molarDensity = 0;  // rho0, mol/m3 of the reference fluid
};

// `molarDensity` in mol/m3 of `fluid`; none when the solve fails to converge.
std::optional<ConformalState> SolveConformalState(const ReferenceFluid& fluid, const ReferenceFluid& reference,
                                                  double temperatureK, double molarDensity);

// The fluid whose conformal state is sought, when it is no ReferenceFluid (a
// blend of fixed composition): its alpha_r and Z at (T, molar density), and
// the critical (or pseudo-critical) point the solve starts from.
struct ConformalFluid {
  std::function<double(double temperatureK, double molarDensity)> residualHelmholtz;
  std::function<double(double temperatureK, double molarDensity)> compressibility;
  double criticalTemperatureK = 0;
  double criticalMolarDensity = 0;  // mol/m3
};

std::optional<ConformalState> SolveConformalState(const ConformalFluid& fluid, const ReferenceFluid& reference,
                                                  double temperatureK, double molarDensity);

}  // namespace kestrin

#pragma once
// The end state of an isentropic compression (or expansion) of a vapour.

#include "core/physics/reference/equation_of_state.h"
#include "core/physics/reference/reference_fluid.h"

#include <optional>

namespace kestrin {

// The single-phase vapour state at `pressurePa` with the entropy of `from`;
// none when the iteration finds no such state or the state found lies inside
// the two-phase region, where a homogeneous (T, rho) point would give wrong
// energies.
std::optional<FluidPoint> SolveIsentropicEnd(const EquationOfState& fluid, const FluidPoint& from, double pressurePa);

}  // namespace kestrin

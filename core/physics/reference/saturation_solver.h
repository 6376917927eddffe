#pragma once
// Saturated states of a reference fluid: a pure fluid's phase equilibrium
// from its equation of state, a pseudo-pure blend's bubble and dew points
// from its pressure equations.

#include "core/physics/reference/equation_of_state.h"
#include "core/physics/reference/reference_fluid.h"

#include <optional>

namespace kestrin {

std::optional<SaturatedStates> SolveSaturation(const EquationOfState& fluid, double temperatureK);

// Whether `phase` at (T, p) is that phase's stable state rather than a
// metastable one on the wrong side of saturation: a vapour at or below the
// dew pressure, a liquid at or above the bubble pressure. A state within
// the rounding of a published saturation pressure counts as saturated.
// Above the critical temperature there is one fluid phase.
// Saturation pressures published to five significant digits, and the
// saturated states computed from them, lie this close (relative) to the line.
inline constexpr double kSaturatedTolerance = 1e-5;

bool StableOnItsSide(const EquationOfState& fluid, double temperatureK, double pressurePa, Phase phase);

// The temperature at which the bubble (or, with `dew`, the dew) pressure is
// `pressurePa`.
std::optional<double> SaturationTemperature(const EquationOfState& fluid, double pressurePa, bool dew);

}  // namespace kestrin

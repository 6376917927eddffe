#pragma once
// The density of one phase at a given temperature and pressure.

#include "core/physics/reference/equation_of_state.h"
#include "core/physics/reference/reference_fluid.h"

#include <optional>

namespace kestrin {

// The root of p(T, rho) = pressurePa on the given phase's branch of the
// isotherm whose temperature parts are `terms`; none when the branch does
// not reach that pressure (a vapour above its spinodal pressure, a liquid
// above the critical temperature). Bounded iterations; never hangs.
std::optional<double> SolveDensity(const EquationOfState& fluid, const TemperatureTerms& terms, double temperatureK,
                                   double pressurePa, Phase phase);

}  // namespace kestrin

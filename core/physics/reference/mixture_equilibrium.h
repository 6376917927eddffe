#pragma once
// Bubble and dew points of a mixture on the multi-fluid model: a phase of
// the mixture's own composition in equilibrium with an incipient phase, at
// a given temperature or pressure. Solved by Newton's method on equal
// fugacities of every component and equal pressures, with the Jacobian from
// the model's automatic derivatives, from a start by Raoult's law on the
// components' vapour pressures, or from a known point near the one asked.

#include "core/physics/reference/mixture_model.h"

#include <optional>

namespace kestrin {

enum class SaturationPoint {
  Bubble,  // saturated liquid of the mixture's composition, incipient vapour
  Dew,     // saturated vapour of the mixture's composition, incipient liquid
};

struct MixtureSaturation {
  double temperatureK = 0;
  double pressurePa = 0;
  double liquidMolarDensity = 0;  // mol/m3
  double vapourMolarDensity = 0;  // mol/m3
  Amounts liquid{};               // mole fractions
  Amounts vapour{};
};

// The point of the mixture with mole fractions `x` (each above 0, summing to
// 1) at that temperature or pressure. None when the iteration does not
// converge to two distinct, mechanically stable phases with the liquid the
// denser: a point that does not converge is never returned as a number.
std::optional<MixtureSaturation> SaturationAtTemperature(const MixtureModel& model, SaturationPoint point,
                                                         double temperatureK, const Amounts& x);
std::optional<MixtureSaturation> SaturationAtPressure(const MixtureModel& model, SaturationPoint point,
                                                      double pressurePa, const Amounts& x);

// The same point by Newton's method alone, from `start`: a point of the same
// kind near the one asked (its densities, incipient composition and, at a
// given pressure, its temperature). Near the critical point, where the
// start by Raoult's law is too far away, a neighbour on the same line
// still leads there. The same checks hold: none unless converged.
std::optional<MixtureSaturation> SaturationAtTemperatureFrom(const MixtureModel& model, SaturationPoint point,
                                                             double temperatureK, const Amounts& x,
                                                             const MixtureSaturation& start);
std::optional<MixtureSaturation> SaturationAtPressureFrom(const MixtureModel& model, SaturationPoint point,
                                                          double pressurePa, const Amounts& x,
                                                          const MixtureSaturation& start);

}  // namespace kestrin

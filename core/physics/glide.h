#pragma once
// The temperature glide of a blend: at one pressure it boils and condenses
// from its bubble point up to its dew point, not at one temperature. The
// evaporating and condensing temperatures the user types are dew points, so
// each glide is read at the dew pressure of that temperature.

#include "core/physics/property_source.h"
#include "core/physics/reference/reference_fluid.h"
#include "core/physics/refrigerant.h"

#include <optional>

namespace kestrin {

// Temperature differences, F.
struct Glide {
  double evaporatingF = 0;
  double condensingF = 0;
};

// Whether the refrigerant's bubble and dew points lie apart on the chosen
// source, so that its temperatures must say which point they mean.
bool Glides(Refrigerant refrigerant, PropertySource chosen);

// T_bubble(p) at the dew pressure p of `dewPointK`, K: where the liquid
// leaving a condenser whose dew point is `dewPointK` saturates. `dewPointK`
// itself for a fluid whose bubble and dew pressures are one; none outside
// the fluid's saturation range.
std::optional<double> BubblePointAtDewPressureK(const ReferenceFluid& fluid, double dewPointK);

// T_dew(p) - T_bubble(p) at the dew pressure p of `dewPointK`, K: 0 for a
// fluid whose bubble and dew pressures are one; none outside the fluid's
// saturation range.
std::optional<double> GlideAtDewPointK(const ReferenceFluid& fluid, double dewPointK);

// The glides at the evaporating and condensing temperatures (F) when the
// refrigerant's properties come from its reference equation; none on the
// correlations, which do not tell the bubble point from the dew point, and
// outside the saturation range.
std::optional<Glide> GlideOf(Refrigerant refrigerant, PropertySource chosen, double evaporatingF, double condensingF);

}  // namespace kestrin

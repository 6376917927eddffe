#include "core/physics/glide.h"

#include "core/physics/property_units.h"

namespace kestrin {

bool Glides(Refrigerant refrigerant, PropertySource chosen) {
  if (PropertySourceFor(refrigerant, chosen) != PropertySource::Reference) return false;
  const ReferenceFluid* fluid = ReferenceFluid::Find(RefrigerantName(refrigerant));
  return fluid && fluid->HasGlide();
}

std::optional<double> BubblePointAtDewPressureK(const ReferenceFluid& fluid, double dewPointK) {
  const std::optional<SaturatedStates> states = fluid.Saturation(dewPointK);
  if (!states) return std::nullopt;
  // A pure fluid: no inversion, whose round-off would show as a glide.
  if (states->bubblePressurePa == states->dewPressurePa) return dewPointK;
  return fluid.BubbleTemperature(states->dewPressurePa);
}

std::optional<double> GlideAtDewPointK(const ReferenceFluid& fluid, double dewPointK) {
  const std::optional<double> bubbleK = BubblePointAtDewPressureK(fluid, dewPointK);
  if (!bubbleK) return std::nullopt;
  return dewPointK - *bubbleK;
}

std::optional<Glide> GlideOf(Refrigerant refrigerant, PropertySource chosen, double evaporatingF, double condensingF) {
  if (PropertySourceFor(refrigerant, chosen) != PropertySource::Reference) return std::nullopt;
  const ReferenceFluid* fluid = ReferenceFluid::Find(RefrigerantName(refrigerant));
  if (!fluid) return std::nullopt;
  const std::optional<double> evaporatingK = GlideAtDewPointK(*fluid, KelvinFromFahrenheit(evaporatingF));
  const std::optional<double> condensingK = GlideAtDewPointK(*fluid, KelvinFromFahrenheit(condensingF));
  if (!evaporatingK || !condensingK) return std::nullopt;
  return Glide{*evaporatingK * kCelsiusDifferenceToFahrenheit, *condensingK * kCelsiusDifferenceToFahrenheit};
}

}  // namespace kestrin

#include "core/physics/reference_saturation_curve.h"

#include "core/physics/glide.h"
#include "core/physics/property_units.h"

#include <limits>

namespace kestrin {
ReferenceSaturationCurve::ReferenceSaturationCurve(const ReferenceFluid& fluid, LineType line)
    : fluid_(fluid), dew_(line != LineType::Liquid) {}

double ReferenceSaturationCurve::PressurePsia(double temperatureF) const {
  const std::optional<SaturatedStates> states = fluid_.Saturation(KelvinFromFahrenheit(temperatureF));
  if (!states) return std::numeric_limits<double>::quiet_NaN();
  return (dew_ ? states->dewPressurePa : states->bubblePressurePa) / kPascalsPerPsi;
}

std::optional<double> ReferenceSaturationCurve::TemperatureF(double pressurePsia) const {
  const double pascals = pressurePsia * kPascalsPerPsi;
  const std::optional<double> kelvin = dew_ ? fluid_.DewTemperature(pascals) : fluid_.BubbleTemperature(pascals);
  if (!kelvin) return std::nullopt;
  return FahrenheitFromKelvin(*kelvin);
}

double ReferenceSaturationCurve::CondenserLiquidF(double condensingF) const {
  const std::optional<double> kelvin = BubblePointAtDewPressureK(fluid_, KelvinFromFahrenheit(condensingF));
  if (!kelvin) return std::numeric_limits<double>::quiet_NaN();
  // No round trip through kelvin for a fluid without glide.
  return *kelvin == KelvinFromFahrenheit(condensingF) ? condensingF : FahrenheitFromKelvin(*kelvin);
}

}  // namespace kestrin

#include "core/physics/reference_saturation_curve.h"

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

}  // namespace kestrin

#pragma once
// The factors between the reference equations' SI units and the IP units the
// sizing runs in: used only where the two meet.

#include "core/units/units.h"

namespace kestrin {

inline constexpr double kKelvinAtZeroCelsius = 273.15;
inline constexpr double kPascalsPerPsi = 6894.757293168;
inline constexpr double kJoulesPerKgPerBtuPerLb = 2326;  // the international table Btu
inline constexpr double kKgPerCubicMetrePerLbPerCubicFoot = 16.018463374;
inline constexpr double kLbPerFootHourPerPascalSecond = 2419.088310502;

inline constexpr double KelvinFromFahrenheit(double fahrenheit) {
  return FahrenheitToCelsius(fahrenheit) + kKelvinAtZeroCelsius;
}
inline constexpr double FahrenheitFromKelvin(double kelvin) {
  return CelsiusToFahrenheit(kelvin - kKelvinAtZeroCelsius);
}

}  // namespace kestrin

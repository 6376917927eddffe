#pragma once
// The two unit systems and the two working modes, and the exact factors that
// carry a value between what the user sees (IP or SI) and the IP units in
// which every calculation runs.

namespace kestrin {

enum class UnitSystem { IP = 0, SI = 1 };
enum class WorkingMode { Design = 0, Checking = 1 };

// Inputs, SI to IP.
inline constexpr double kKilowattsToTons = 0.2843451433;
inline constexpr double kCelsiusDifferenceToFahrenheit = 1.8;
inline constexpr double kCelsiusZeroInFahrenheit = 32.0;
inline constexpr double kBarToPsi = 14.5037738;
inline constexpr double kMetresToFeet = 3.2808399;

// Outputs, IP to SI. The equivalent length keeps its own factor, which is
// not quite 0.3048.
inline constexpr double kPsiToBar = 0.068947573;
inline constexpr double kFeetPerSecondToMetresPerSecond = 0.3048;
inline constexpr double kEquivalentFeetToMetres = 0.304799999;

inline constexpr double CelsiusToFahrenheit(double c) {
  return c * kCelsiusDifferenceToFahrenheit + kCelsiusZeroInFahrenheit;
}
inline constexpr double FahrenheitToCelsius(double f) {
  return (f - kCelsiusZeroInFahrenheit) / kCelsiusDifferenceToFahrenheit;
}

}  // namespace kestrin

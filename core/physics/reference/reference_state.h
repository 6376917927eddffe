#pragma once
// What every refrigerant on reference equations shares: the IIR reference
// of enthalpy and entropy, and the check a state function makes on the
// state it is given.

#include <cmath>

namespace kestrin {

// Enthalpy and entropy of the saturated (bubble-point) liquid at 0 C.
inline constexpr double kReferenceTemperatureK = 273.15;
inline constexpr double kReferenceEnthalpy = 200e3;  // J/kg
inline constexpr double kReferenceEntropy = 1e3;     // J/(kg K)

// A temperature and density both positive and finite.
inline bool ValidState(double temperatureK, double density) {
  return temperatureK > 0 && density > 0 && std::isfinite(temperatureK) && std::isfinite(density);
}

}  // namespace kestrin

#pragma once
// The climate a plant is designed for, and the lowest design temperatures
// it sets for the pressures its piping must hold.

#include <QString>

#include <array>
#include <optional>

namespace kestrin {

// The highest ambient temperature the plant's air-cooled condenser works in.
enum class DesignClimate { UpTo32C, UpTo38C, UpTo43C };
inline constexpr std::array kDesignClimates = {DesignClimate::UpTo32C, DesignClimate::UpTo38C, DesignClimate::UpTo43C};

// 32, 38, 43: the ambient, C, as a project file and kestrin-size's --climate
// write it.
int ClimateAmbientC(DesignClimate climate);
std::optional<DesignClimate> ClimateFromAmbientC(int ambientC);
// "up to 32 °C" ..
QString ClimateCaption(DesignClimate climate);

// The lowest design temperature of the high-pressure side (discharge and
// liquid lines) and of the low-pressure side (suction lines), C.
double HighSideDesignTemperatureC(DesignClimate climate);
double LowSideDesignTemperatureC(DesignClimate climate);

}  // namespace kestrin

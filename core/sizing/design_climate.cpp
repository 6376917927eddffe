#include "core/sizing/design_climate.h"

namespace kestrin {
namespace {

struct ClimateRow {
  DesignClimate climate;
  int ambientC;
  double highSideC;
  double lowSideC;
};

// Minimum design temperatures for systems with air-cooled condensers, by the
// ambient they are designed for: EN 378-2:2016+A1:2018 (Refrigerating
// systems and heat pumps - Safety and environmental requirements - Part 2:
// Design, construction, testing, marking and documentation), Table 1. The
// low side is taken at the ambient: a plant standing still warms to it.
constexpr std::array<ClimateRow, 3> kClimates = {{
    {DesignClimate::UpTo32C, 32, 55, 32},
    {DesignClimate::UpTo38C, 38, 59, 38},
    {DesignClimate::UpTo43C, 43, 63, 43},
}};

const ClimateRow& Row(DesignClimate climate) {
  for (const ClimateRow& row : kClimates)
    if (row.climate == climate) return row;
  return kClimates.front();
}

}  // namespace

int ClimateAmbientC(DesignClimate climate) { return Row(climate).ambientC; }

std::optional<DesignClimate> ClimateFromAmbientC(int ambientC) {
  for (const ClimateRow& row : kClimates)
    if (row.ambientC == ambientC) return row.climate;
  return std::nullopt;
}

QString ClimateCaption(DesignClimate climate) {
  return QStringLiteral("up to %1 \u00B0C").arg(ClimateAmbientC(climate));
}

double HighSideDesignTemperatureC(DesignClimate climate) { return Row(climate).highSideC; }
double LowSideDesignTemperatureC(DesignClimate climate) { return Row(climate).lowSideC; }

}  // namespace kestrin

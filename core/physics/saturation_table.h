#pragma once
// The saturation table of a refrigerant as engineers look it up: one row per
// 5 K from -40 C to +60 C, the last row at least 5 K below the critical
// temperature. SI units: C, kPa (absolute), kg/m3, kJ/kg, micro Pa s. Liquid
// at the bubble point, vapour at the dew point.

#include "core/physics/property_source.h"
#include "core/physics/refrigerant.h"

#include <optional>
#include <vector>

namespace kestrin {

// Each value is missing where its property source does not give it.
struct SaturationRow {
  double temperatureC = 0;
  std::optional<double> bubblePressureKpa;
  std::optional<double> dewPressureKpa;
  std::optional<double> liquidDensity;
  std::optional<double> vapourDensity;
  std::optional<double> liquidEnthalpy;
  std::optional<double> vapourEnthalpy;
  std::optional<double> liquidViscosity;
  std::optional<double> vapourViscosity;
  // K: the row's temperature less the bubble point at its dew pressure, the
  // glide of an evaporator whose dew point it is.
  std::optional<double> glideK;
};

struct SaturationTable {
  Refrigerant refrigerant = Refrigerant::R22;
  PropertySource source = PropertySource::Correlations;  // the one the values come from
  std::vector<SaturationRow> rows;
};

// From `chosen` where it describes the refrigerant, else from its reference
// equation.
SaturationTable SaturationTableOf(Refrigerant refrigerant, PropertySource chosen);

}  // namespace kestrin

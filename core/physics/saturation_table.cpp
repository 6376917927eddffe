#include "core/physics/saturation_table.h"

#include "core/physics/glide.h"
#include "core/physics/property_units.h"
#include "core/physics/reference/reference_fluid.h"
#include "core/physics/reference/viscosity.h"
#include "core/physics/refrigerant_properties.h"

#include <cmath>

namespace kestrin {
namespace {

constexpr int kFirstRowC = -40;
constexpr int kLastRowC = 60;
constexpr int kRowStepK = 5;
// The last row stays this far below the critical temperature.
constexpr double kCriticalMarginK = 5;

std::optional<double> Finite(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

SaturationRow ReferenceRow(const ReferenceFluid& fluid, double celsius) {
  SaturationRow row;
  row.temperatureC = celsius;
  const double kelvin = celsius + kKelvinAtZeroCelsius;
  const std::optional<SaturatedStates> s = fluid.Saturation(kelvin);
  if (!s) return row;
  row.bubblePressureKpa = s->bubblePressurePa / 1e3;
  row.dewPressureKpa = s->dewPressurePa / 1e3;
  row.liquidDensity = s->liquidDensity;
  row.vapourDensity = s->vapourDensity;
  row.liquidEnthalpy = Finite(fluid.Enthalpy(kelvin, s->liquidDensity) / 1e3);
  row.vapourEnthalpy = Finite(fluid.Enthalpy(kelvin, s->vapourDensity) / 1e3);
  row.liquidViscosity = Finite(Viscosity(fluid, kelvin, s->liquidDensity) * 1e6);
  row.vapourViscosity = Finite(Viscosity(fluid, kelvin, s->vapourDensity) * 1e6);
  row.glideK = GlideAtDewPointK(fluid, kelvin);
  return row;
}

// The correlations' one saturation pressure stands for both the bubble and
// the dew pressure: they do not tell the two apart, even for the blends, and
// define no glide.
SaturationRow CorrelationRow(Refrigerant r, double celsius) {
  const double f = CelsiusToFahrenheit(celsius);
  const double kpa = SaturationPressure(r, f) * kPascalsPerPsi / 1e3;
  const double enthalpy = kJoulesPerKgPerBtuPerLb / 1e3;
  const double viscosity = 1e6 / kLbPerFootHourPerPascalSecond;
  return SaturationRow{celsius,
                       kpa,
                       kpa,
                       LiquidDensity(r, f) * kKgPerCubicMetrePerLbPerCubicFoot,
                       VapourDensity(r, f) * kKgPerCubicMetrePerLbPerCubicFoot,
                       LiquidEnthalpy(r, f) * enthalpy,
                       VapourEnthalpy(r, f) * enthalpy,
                       LiquidViscosity(r, f) * viscosity,
                       VapourViscosity(r, f) * viscosity,
                       std::nullopt};
}

}  // namespace

SaturationTable SaturationTableOf(Refrigerant refrigerant, PropertySource chosen) {
  SaturationTable table{refrigerant, PropertySourceFor(refrigerant, chosen), {}};
  const ReferenceFluid* fluid = ReferenceFluid::Find(RefrigerantName(refrigerant));
  if (!fluid) return table;
  const double highestC = fluid->CriticalTemperatureK() - kCriticalMarginK - kKelvinAtZeroCelsius;
  for (int celsius = kFirstRowC; celsius <= kLastRowC && celsius <= highestC; celsius += kRowStepK) {
    table.rows.push_back(table.source == PropertySource::Reference ? ReferenceRow(*fluid, celsius)
                                                                   : CorrelationRow(refrigerant, celsius));
  }
  return table;
}

}  // namespace kestrin

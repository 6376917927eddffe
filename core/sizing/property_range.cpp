#include "core/sizing/property_range.h"

#include "core/messages.h"
#include "core/physics/property_units.h"
#include "core/physics/reference/reference_fluid.h"
#include "core/sizing/reference_line_fluids.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace kestrin {
namespace {

struct CriticalPoint {
  Refrigerant refrigerant;
  double temperatureK;
};

// The critical temperatures of the refrigerants on correlations, from their
// reference equations of state (data/fluids/<name>.eos.json):
constexpr std::array<CriticalPoint, 4> kCorrelationCriticalPoints = {{
    // A. Kamei, S. W. Beyerlein, R. T. Jacobsen, Int. J. Thermophys. 16(5) (1995) 1155-1164.
    {Refrigerant::R22, 369.295},
    // R. Tillner-Roth, H. D. Baehr, J. Phys. Chem. Ref. Data 23(5) (1994) 657-729.
    {Refrigerant::R134a, 374.18},
    // E. W. Lemmon, Int. J. Thermophys. 24(4) (2003) 991-1006, pseudo-pure blends.
    {Refrigerant::R407C, 359.345},
    {Refrigerant::R404A, 345.27},
}};

constexpr double kNotDescribed = std::numeric_limits<double>::quiet_NaN();

const ReferenceFluid* ReferenceOf(Refrigerant refrigerant) {
  return ReferenceFluid::Find(RefrigerantName(refrigerant));
}

// The coldest liquid the source takes, K.
double LowestLiquidK(const DesignCase& c) {
  const double lowest = KelvinFromFahrenheit(kLowestLiquidF);
  if (c.properties != PropertySource::Reference) return lowest;
  const ReferenceFluid* fluid = ReferenceOf(c.refrigerant);
  return fluid ? std::max(lowest, fluid->MinimumTemperatureK()) : lowest;
}

// "205.1 F" or "96.1 C": the limit in the unit system the user reads.
QString TemperatureShown(double kelvin, UnitSystem unit) {
  if (unit == UnitSystem::IP) return QStringLiteral("%1 F").arg(FahrenheitFromKelvin(kelvin), 0, 'f', 1);
  return QStringLiteral("%1 C").arg(kelvin - kKelvinAtZeroCelsius, 0, 'f', 1);
}

Refusal OutsideRange(const QString& message, DesignField field) {
  return Refusal{message, field, RefusalReason::OutsidePropertyRange};
}

}  // namespace

double CriticalTemperatureK(Refrigerant refrigerant, PropertySource source) {
  if (source == PropertySource::Reference) {
    const ReferenceFluid* fluid = ReferenceOf(refrigerant);
    return fluid ? fluid->CriticalTemperatureK() : kNotDescribed;
  }
  for (const CriticalPoint& point : kCorrelationCriticalPoints)
    if (point.refrigerant == refrigerant) return point.temperatureK;
  return kNotDescribed;
}

std::optional<Refusal> CheckPropertyRange(const DesignCase& c, UnitSystem unit) {
  const double criticalK = CriticalTemperatureK(c.refrigerant, c.properties);
  // The engine refuses a refrigerant its source does not describe.
  if (std::isnan(criticalK)) return std::nullopt;
  const QString name = RefrigerantName(c.refrigerant);
  const QString critical = TemperatureShown(criticalK, unit);
  const double highestCondensingK = criticalK - kCriticalMarginK;
  if (!(KelvinFromFahrenheit(c.condensingF) <= highestCondensingK))
    return OutsideRange(CondensingNearCriticalMessage(name, critical, TemperatureShown(highestCondensingK, unit)),
                        DesignField::Condensing);
  if (!(KelvinFromFahrenheit(c.evaporatingF + c.superheatF) <= criticalK))
    return OutsideRange(SuctionGasAboveCriticalMessage(name, critical), DesignField::Superheat);
  const double lowestLiquidK = LowestLiquidK(c);
  if (!(KelvinFromFahrenheit(c.condensingF - c.subcoolF) >= lowestLiquidK))
    return OutsideRange(LiquidTooColdMessage(name, TemperatureShown(lowestLiquidK, unit)), DesignField::Subcool);
  return std::nullopt;
}

}  // namespace kestrin

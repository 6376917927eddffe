#pragma once
// The temperatures a line is sized at stay where a refrigerant's properties
// describe a refrigeration cycle: the condensing temperature at least
// kCriticalMarginK below the critical temperature, the suction gas no hotter
// than the critical temperature, and the liquid no colder than
// kLowestLiquidF or the property source's own lowest temperature. Beyond
// them the correlations, polynomials in temperature, still give numbers, but
// from far outside the range they were fitted over.

#include "core/outcome.h"
#include "core/sizing/design_case.h"
#include "core/units/units.h"

#include <optional>

namespace kestrin {

// The coldest liquid a line is sized with, F (-51.1 C): well below any
// liquid line's, the correlations are not used below it.
inline constexpr double kLowestLiquidF = -60;

// The critical temperature of `refrigerant` in `source`, K: for the
// correlations that of the refrigerant's reference equation of state. NaN
// when the source does not describe the refrigerant.
double CriticalTemperatureK(Refrigerant refrigerant, PropertySource source);

// The first of the condensing, suction gas and liquid temperatures of the
// case that lies outside that range, refused with OutsidePropertyRange and
// its limit in the unit system shown; none when all three lie inside.
std::optional<Refusal> CheckPropertyRange(const DesignCase& designCase, UnitSystem unit);

}  // namespace kestrin

#pragma once
// kestrin-size --capacity-table: a line capacity table as an aligned text
// table under its conditions, or as JSON, one object per tube size.

#include "core/sizing/capacity_table.h"

#include <QString>

namespace kestrin {

QString CapacityText(const CapacityTable& table);
// Keys size, inside_diameter_in and cells: per evaporating temperature
// t_evap, capacity, pressure_drop, velocity, oil_return_ok and error, in the
// table's unit system; capacity null, with its error, for an empty cell.
QString CapacityJson(const CapacityTable& table);

}  // namespace kestrin

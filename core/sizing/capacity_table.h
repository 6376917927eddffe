#pragma once
// Line capacity tables: for a refrigerant, a line and a tube series, the
// capacity each tube size carries when the friction drop over a reference
// length of straight tube (100 ft, or 1 m in SI) equals a chosen drop of
// saturation temperature, one column per evaporating temperature. Every cell
// is solved on the sizing engine itself, so a table and a design run agree.
// Numbers only, IP inside.

#include "core/line_type.h"
#include "core/outcome.h"
#include "core/physics/property_source.h"
#include "core/physics/refrigerant.h"
#include "core/physics/tube_series.h"
#include "core/sizing/design_case.h"
#include "core/units/units.h"

#include <array>
#include <optional>
#include <vector>

namespace kestrin {

// The evaporating temperatures across a table.
inline constexpr int kCapacityColumnCount = 5;
using CapacityColumns = std::array<double, kCapacityColumnCount>;

// -40, -20, 0, 20 and 40 F; in SI -40, -30, -20, -5 and 5 C (as F here).
CapacityColumns CapacityColumnsF(UnitSystem unit);
// 100 ft, or 1 m in SI: the length the drop of saturation temperature is per.
double ReferenceLengthFt(UnitSystem unit);

// The conditions a table is drawn for, in the unit system shown: condensing
// temperature, superheat and subcooling (F or C), and the drop of
// saturation temperature per reference length (F per 100 ft or K per m).
struct CapacityInputs {
  double condensing = 0;
  double superheat = 0;
  double subcool = 0;
  double drop = 0;
};

// The printed tables' conditions: 105 F (40 C) condensing, no superheat or
// subcooling, 2 F per 100 ft (0.04 K/m) on a suction line and 1 F per
// 100 ft (0.02 K/m) on the others.
CapacityInputs DefaultCapacityInputs(LineType line, UnitSystem unit);

struct CapacityConditions {
  Refrigerant refrigerant = Refrigerant::R22;
  PropertySource properties = PropertySource::Correlations;  // as chosen
  LineType line = LineType::Suction;
  TubeSeries series = TubeSeries::TypeK;
  UnitSystem unit = UnitSystem::IP;  // sets the columns and the reference length
  double condensingF = 0;
  double superheatF = 0;
  double subcoolF = 0;
  double dropF = 0;  // saturation temperature lost over the reference length
};

// The inputs as shown, converted to IP; a refusal naming the field when the
// condensing temperature lies outside the main window's range or the drop
// is not above 0.
Outcome<CapacityConditions> CapacityConditionsOf(Refrigerant refrigerant, PropertySource properties, LineType line,
                                                 TubeSeries series, UnitSystem unit, const CapacityInputs& inputs);

// What one size carries at one evaporating temperature, IP.
struct CapacityCell {
  double capacityTons = 0;
  double velocityFps = 0;
  double pressureDropPsi = 0;       // over the reference length: the target
  std::optional<bool> oilReturnOk;  // a riser's minimum velocity met; none for a liquid line
};

struct CapacityRow {
  int sizeIndex = 0;
  std::vector<Outcome<CapacityCell>> cells;  // one per column
};

struct CapacityTable {
  CapacityConditions conditions;
  CapacityColumns evaporatingF{};
  std::vector<CapacityRow> rows;  // every size of the series, smallest first
  // n in capacity ~ (drop / length)^n, from the middle cell of the table;
  // none when that cell is empty.
  std::optional<double> dropExponent;
};

// The straight line a cell is solved on: the table's conditions at
// `evaporatingF`, the reference length, no fittings, riser or additional
// loss. Its capacity is left 0.
DesignCase CapacityDesignCase(const CapacityConditions& conditions, double evaporatingF);

// The pressure drop over the reference length that loses the conditions'
// drop of saturation temperature: the drop times the slope of the line's
// saturation curve (dew at the evaporating temperature on a suction line,
// dew at the condensing temperature on a discharge line, bubble at the
// condensing temperature on a liquid line).
Outcome<double> TargetDropPsi(const CapacityConditions& conditions, double evaporatingF);

CapacityTable LineCapacityTable(const CapacityConditions& conditions);

}  // namespace kestrin

#pragma once
// A line capacity table as the window, the clipboard, a CSV file and
// kestrin-size show it: captions with units, capacities to three
// significant figures in the unit system and locale of the table.

#include "core/sizing/capacity_table.h"

#include <QChar>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <vector>

namespace kestrin {

struct ShownCapacityCell {
  QString capacity;             // empty for an empty cell
  QString velocity;             // FPS or m/s, two decimals
  QString pressureDrop;         // psi per 100 ft or Pa/m, three significant figures
  bool belowOilReturn = false;  // too slow to carry oil up a riser of its size
  QString reason;               // why an empty cell is empty
};

struct ShownCapacityTable {
  QString title;       // "R410A suction line capacities, Type L tube (tons)"
  QString conditions;  // condensing, superheat, subcooling, drop and the property source
  QString sizeCaption;
  QStringList columnCaptions;  // "-40 F" .. with the capacity unit
  QStringList sizeNames;
  std::vector<std::vector<ShownCapacityCell>> cells;  // [size][column]
  // One line under the table: what grey italics mean and how capacity
  // scales with other drops and lengths.
  QString note;
  // Why cells are empty, once per reason and column: "-40 °C: The hot gas ...".
  QStringList emptyCells;
};

// A condition as typed or shown: up to six significant figures, "105",
// "0.04".
QString ConditionText(double value, const QLocale& locale);

// "0.123", "1.23", "12.3", "123", "1230".
QString ThreeSignificantFigures(double value, const QLocale& locale);

ShownCapacityTable PresentCapacityTable(const CapacityTable& table, const QLocale& locale);

// The unit a capacity, a pressure drop per reference length, a velocity and
// an evaporating temperature are shown in.
QString CapacityUnit(UnitSystem unit);                  // "tons" / "kW"
QString DropPerLengthUnit(UnitSystem unit);             // "psi/100 ft" / "Pa/m"
QString TemperatureDropPerLengthUnit(UnitSystem unit);  // "F/100 ft" / "K/m"

// The shown numbers of a cell in the table's unit system.
double ShownCapacity(double capacityTons, UnitSystem unit);
double ShownDropPerLength(double pressureDropPsi, UnitSystem unit);
double ShownVelocityValue(double velocityFps, UnitSystem unit);
double ShownTemperature(double temperatureF, UnitSystem unit);

// Title, conditions, then the captions and one row per size, the fields
// separated by `separator` and quoted where they hold it: tab-separated for
// a spreadsheet, comma-separated for a CSV file.
QString CapacityTableDelimited(const ShownCapacityTable& table, QChar separator);

}  // namespace kestrin

#include "core/sizing/capacity_table.h"

#include "core/messages.h"
#include "core/physics/tube_catalogue.h"
#include "core/sizing/line_readings.h"
#include "core/sizing/line_sizing.h"
#include "core/sizing/saturation_curve_of.h"

#include <gtest/gtest.h>

#include <ostream>

namespace kestrin {
namespace {

struct TableCase {
  const char* name;
  Refrigerant refrigerant;
  PropertySource properties;
  LineType line;
  TubeSeries series;
  UnitSystem unit;
};

void PrintTo(const TableCase& c, std::ostream* os) { *os << c.name; }

// One of each line, unit system, tube series and property source.
const TableCase kTables[] = {
    {"R22 suction, correlations, Type L, IP", Refrigerant::R22, PropertySource::Correlations, LineType::Suction,
     TubeSeries::TypeL, UnitSystem::IP},
    {"R410A suction, reference, Type L, IP", Refrigerant::R410A, PropertySource::Reference, LineType::Suction,
     TubeSeries::TypeL, UnitSystem::IP},
    {"R134a discharge, correlations, Type K, IP", Refrigerant::R134a, PropertySource::Correlations, LineType::Discharge,
     TubeSeries::TypeK, UnitSystem::IP},
    {"R32 discharge, reference, EN 12735-1, SI", Refrigerant::R32, PropertySource::Reference, LineType::Discharge,
     TubeSeries::EN12735, UnitSystem::SI},
    {"R404A liquid, correlations, Type K, SI", Refrigerant::R404A, PropertySource::Correlations, LineType::Liquid,
     TubeSeries::TypeK, UnitSystem::SI},
    {"R407C liquid, reference, Type L, IP", Refrigerant::R407C, PropertySource::Reference, LineType::Liquid,
     TubeSeries::TypeL, UnitSystem::IP},
};

CapacityConditions DefaultConditions(const TableCase& c) {
  const Outcome<CapacityConditions> conditions = CapacityConditionsOf(c.refrigerant, c.properties, c.line, c.series,
                                                                      c.unit, DefaultCapacityInputs(c.line, c.unit));
  EXPECT_TRUE(conditions.ok());
  return conditions.value();
}

class EveryTable : public testing::TestWithParam<TableCase> {};

TEST_P(EveryTable, ACellSizedAsADesignRunChoosesItsSizeAtTheTargetDrop) {
  const CapacityConditions conditions = DefaultConditions(GetParam());
  const CapacityTable table = LineCapacityTable(conditions);
  ASSERT_EQ(table.rows.size(), static_cast<std::size_t>(kTubeSizeCount));
  for (std::size_t column = 0; column < table.evaporatingF.size(); ++column) {
    const double et = table.evaporatingF[column];
    const Outcome<double> target = TargetDropPsi(conditions, et);
    ASSERT_TRUE(target.ok());
    for (const CapacityRow& row : table.rows) {
      const Outcome<CapacityCell>& cell = row.cells[column];
      if (!cell.ok()) continue;  // an empty cell: see EmptyCells
      DesignCase run = CapacityDesignCase(conditions, et);
      run.capacityTons = cell.value().capacityTons;
      run.designDropPsi = target.value() * (1 + 1e-6);
      const Outcome<LineEvaluation> sized = SizeLine(run, WorkingMode::Design, 0);
      ASSERT_TRUE(sized.ok());
      EXPECT_EQ(sized.value().sizeIndex, row.sizeIndex);
      EXPECT_NEAR(sized.value().pressureDropPsi / target.value(), 1, 1e-6);
      EXPECT_NEAR(sized.value().velocityFps / cell.value().velocityFps, 1, 1e-9);
      EXPECT_EQ(cell.value().oilReturnOk.has_value(), conditions.line != LineType::Liquid);
    }
  }
}

TEST_P(EveryTable, CapacityRisesWithTubeSizeAndWithEvaporatingTemperature) {
  const CapacityTable table = LineCapacityTable(DefaultConditions(GetParam()));
  // The hot gas of R32 from -40 C is hotter than its equation reaches.
  const std::size_t first = GetParam().refrigerant == Refrigerant::R32 ? 1 : 0;
  for (std::size_t r = 0; r < table.rows.size(); ++r) {
    for (std::size_t column = first; column < table.evaporatingF.size(); ++column) {
      const double capacity = table.rows[r].cells[column].value().capacityTons;
      if (r > 0) {
        EXPECT_GT(capacity, table.rows[r - 1].cells[column].value().capacityTons);
      }
      if (column > first) {
        EXPECT_GT(capacity, table.rows[r].cells[column - 1].value().capacityTons);
      }
    }
  }
}

// Turbulent flow in smooth tube: about 0.55; flow that the friction factor
// finds fully rough tends to 0.5.
TEST_P(EveryTable, CapacityGrowsAsTheDropToAboutThePowerOfFiveNinths) {
  const CapacityTable table = LineCapacityTable(DefaultConditions(GetParam()));
  ASSERT_TRUE(table.dropExponent.has_value());
  EXPECT_GE(*table.dropExponent, 0.5);
  EXPECT_LE(*table.dropExponent, 0.6);
}

INSTANTIATE_TEST_SUITE_P(CapacityTable, EveryTable, testing::ValuesIn(kTables));

// The target drop loses, read back through the line's saturation curve, the
// drop of saturation temperature asked for.
TEST(TargetDrop, LosesTheDropOfSaturationTemperatureAskedFor) {
  for (const TableCase& c : kTables) {
    SCOPED_TRACE(c.name);
    const CapacityConditions conditions = DefaultConditions(c);
    for (const double et : CapacityColumnsF(c.unit)) {
      const DesignCase line = CapacityDesignCase(conditions, et);
      const Outcome<double> target = TargetDropPsi(conditions, et);
      ASSERT_TRUE(target.ok());
      const std::optional<double> lost =
          SaturationTemperatureDrop(*SaturationCurveOf(line, c.line), c.line, line, target.value());
      ASSERT_TRUE(lost.has_value());
      // The slope is the curve's at the line's temperature; over a whole
      // 2 F the curve bends by a few per cent at most.
      EXPECT_NEAR(*lost / conditions.dropF, 1, 0.03) << et;
    }
  }
}

TEST(CapacityConditions, RefuseInputsNoTableCanBeDrawnFor) {
  const struct {
    const char* name;
    UnitSystem unit;
    CapacityInputs inputs;
    QString message;
    DesignField field;
  } rows[] = {
      {"condensing below 80 F",
       UnitSystem::IP,
       {79, 0, 0, 2},
       MessageText(Message::CondensingRangeIP),
       DesignField::Condensing},
      {"condensing above 65 C",
       UnitSystem::SI,
       {66, 0, 0, 0.04},
       MessageText(Message::CondensingRangeSI),
       DesignField::Condensing},
      {"negative superheat",
       UnitSystem::IP,
       {105, -1, 0, 2},
       CapacityProblemMessage(CapacityProblem::NegativeSuperheat),
       DesignField::Superheat},
      {"negative subcooling",
       UnitSystem::SI,
       {40, 0, -1, 0.04},
       CapacityProblemMessage(CapacityProblem::NegativeSubcool),
       DesignField::Subcool},
      {"no drop",
       UnitSystem::IP,
       {105, 0, 0, 0},
       CapacityProblemMessage(CapacityProblem::DropNotPositive),
       DesignField::None},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const Outcome<CapacityConditions> conditions = CapacityConditionsOf(
        Refrigerant::R22, PropertySource::Correlations, LineType::Suction, TubeSeries::TypeK, row.unit, row.inputs);
    ASSERT_FALSE(conditions.ok());
    EXPECT_EQ(conditions.refusal().message, row.message);
    EXPECT_EQ(conditions.refusal().field, row.field);
  }
}

TEST(CapacityConditions, SIInputsAreTheSameLineInIP) {
  const Outcome<CapacityConditions> si =
      CapacityConditionsOf(Refrigerant::R22, PropertySource::Correlations, LineType::Liquid, TubeSeries::TypeK,
                           UnitSystem::SI, {40, 5, 3, 0.02});
  ASSERT_TRUE(si.ok());
  EXPECT_DOUBLE_EQ(si.value().condensingF, 104);
  EXPECT_DOUBLE_EQ(si.value().superheatF, 9);
  EXPECT_DOUBLE_EQ(si.value().subcoolF, 5.4);
  EXPECT_DOUBLE_EQ(si.value().dropF, 0.036);
  EXPECT_DOUBLE_EQ(CapacityDesignCase(si.value(), 0).totalLengthFt, kMetresToFeet);
}

TEST(EmptyCells, CarryTheirReasons) {
  CapacityConditions conditions = DefaultConditions(kTables[0]);
  // A column at or above the condensing temperature.
  conditions.condensingF = 20;
  CapacityTable table = LineCapacityTable(conditions);
  for (const CapacityRow& row : table.rows) {
    EXPECT_TRUE(row.cells[2].ok());
    for (std::size_t column : {3U, 4U}) {
      ASSERT_FALSE(row.cells[column].ok());
      EXPECT_EQ(row.cells[column].refusal().message,
                CapacityProblemMessage(CapacityProblem::EvaporatingNotBelowCondensing));
    }
  }
  // A drop no capacity reaches.
  conditions = DefaultConditions(kTables[0]);
  conditions.dropF = 1e-12;
  table = LineCapacityTable(conditions);
  ASSERT_FALSE(table.rows.front().cells.front().ok());
  EXPECT_EQ(table.rows.front().cells.front().refusal().message, CapacityProblemMessage(CapacityProblem::OutOfReach));
  EXPECT_FALSE(table.dropExponent.has_value());
  // A hot gas hotter than the reference equation reaches.
  table = LineCapacityTable(DefaultConditions(kTables[3]));
  ASSERT_FALSE(table.rows.front().cells.front().ok());
  EXPECT_TRUE(table.rows.front().cells.front().refusal().message.startsWith(u"The hot gas temperature"));
  EXPECT_TRUE(table.rows.front().cells[1].ok());
}

}  // namespace
}  // namespace kestrin

#include "core/sizing/capacity_table_texts.h"

#include <gtest/gtest.h>

namespace kestrin {
namespace {

TEST(ThreeSignificantFigures, RoundsToThreeFiguresWhateverTheMagnitude) {
  const QLocale c = QLocale::c();
  const struct {
    double value;
    const char* shown;
  } rows[] = {
      {0.012345, "0.0123"}, {0.1, "0.100"},   {1.2345, "1.23"}, {9.996, "10.0"},    {99.95, "100"},
      {123.4, "123"},       {1234.5, "1230"}, {999.7, "1000"},  {15432.1, "15400"}, {0.0009996, "0.00100"},
  };
  for (const auto& row : rows) EXPECT_EQ(ThreeSignificantFigures(row.value, c), QString::fromLatin1(row.shown));
  EXPECT_EQ(ThreeSignificantFigures(1234.5, QLocale(QLocale::German)), u"1230"_qs);  // no group separator
  EXPECT_EQ(ThreeSignificantFigures(1.2345, QLocale(QLocale::German)), u"1,23"_qs);
}

CapacityTable SmallTable(UnitSystem unit) {
  const Outcome<CapacityConditions> conditions =
      CapacityConditionsOf(Refrigerant::R22, PropertySource::Correlations, LineType::Suction, TubeSeries::TypeL, unit,
                           DefaultCapacityInputs(LineType::Suction, unit));
  EXPECT_TRUE(conditions.ok());
  return LineCapacityTable(conditions.value());
}

TEST(PresentCapacityTable, CaptionsCarryTheirUnits) {
  const ShownCapacityTable ip = PresentCapacityTable(SmallTable(UnitSystem::IP), QLocale::c());
  EXPECT_EQ(ip.title, u"R22 suction line capacities, Type L tube (tons)"_qs);
  EXPECT_EQ(ip.conditions,
            u"Condensing 105 F, superheat 0 F, subcooling 0 F, drop 2 F/100 ft; polynomial correlations"_qs);
  EXPECT_EQ(ip.columnCaptions, QStringList({u"-40 F"_qs, u"-20 F"_qs, u"0 F"_qs, u"20 F"_qs, u"40 F"_qs}));
  EXPECT_EQ(ip.sizeNames.front(), u"1/2"_qs);

  const ShownCapacityTable si = PresentCapacityTable(SmallTable(UnitSystem::SI), QLocale::c());
  EXPECT_EQ(si.title, u"R22 suction line capacities, Type L tube (kW)"_qs);
  EXPECT_EQ(si.conditions,
            u"Condensing 40 °C, superheat 0 K, subcooling 0 K, drop 0.04 K/m; polynomial correlations"_qs);
  EXPECT_EQ(si.columnCaptions, QStringList({u"-40 °C"_qs, u"-30 °C"_qs, u"-20 °C"_qs, u"-5 °C"_qs, u"5 °C"_qs}));
  // kW are tons over 0.2843451433.
  const CapacityTable table = SmallTable(UnitSystem::SI);
  EXPECT_EQ(si.cells[4][2].capacity,
            ThreeSignificantFigures(table.rows[4].cells[2].value().capacityTons / kKilowattsToTons, QLocale::c()));
}

// A spreadsheet in a locale with a decimal comma: a comma-separated file
// quotes the numbers; a tab-separated copy leaves them bare.
TEST(CapacityTableDelimited, QuotesOnlyFieldsThatHoldTheSeparator) {
  const ShownCapacityTable shown = PresentCapacityTable(SmallTable(UnitSystem::IP), QLocale(QLocale::German));
  const QStringList csv = CapacityTableDelimited(shown, u',').split(u'\n');
  ASSERT_EQ(csv.size(), 3 + 11 + 1);
  EXPECT_EQ(csv[0], u"\"R22 suction line capacities, Type L tube (tons)\""_qs);
  EXPECT_EQ(csv[2], u"Size,-40 F,-20 F,0 F,20 F,40 F"_qs);
  EXPECT_TRUE(csv[3].startsWith(u"1/2,\"0,109\",\"0,173\""_qs)) << csv[3].toStdString();
  const QStringList tabs = CapacityTableDelimited(shown, u'\t').split(u'\n');
  EXPECT_TRUE(tabs[3].startsWith(u"1/2\t0,109\t0,173"_qs)) << tabs[3].toStdString();
}

}  // namespace
}  // namespace kestrin

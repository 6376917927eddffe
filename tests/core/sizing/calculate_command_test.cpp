#include "core/sizing/calculate_command.h"

#include "param_names.h"

#include <gtest/gtest.h>

namespace kestrin {
namespace {

const QLocale kC = QLocale::c();

MainFieldTexts TwentyTonSuction() {
  return {u"R22"_qs,     u"20"_qs, u"40"_qs,  u"105"_qs, u"10"_qs, u"10"_qs,
          u"Suction"_qs, u"2"_qs,  u"100"_qs, u"20"_qs,  u"0"_qs};
}

CalculateResult Calculate(const MainFieldTexts& f, UnitSystem unit = UnitSystem::IP,
                          WorkingMode mode = WorkingMode::Design, const StoredFittingCounts& counts = {},
                          double previousDrop = 0) {
  return RunCalculate(f, unit, mode, counts, previousDrop, kC);
}

const Refusal* CheckRefusal(const CalculateResult& result) {
  const auto* refused = std::get_if<CheckRefused>(&result.state);
  return refused ? &refused->refusal : nullptr;
}

const DesignCase* Stored(const CalculateResult& result) {
  return result.accepted() ? &result.accepted()->stored : nullptr;
}

struct CheckCase {
  const char* name;
  void (*edit)(MainFieldTexts&);
  UnitSystem unit;
  const char16_t* field;
  const char16_t* message;
};

class FailedChecks : public testing::TestWithParam<CheckCase> {};

TEST_P(FailedChecks, FlagOneFieldAndLeaveEverythingElse) {
  const CheckCase& c = GetParam();
  MainFieldTexts f = TwentyTonSuction();
  c.edit(f);
  const CalculateResult outcome = Calculate(f, c.unit);
  ASSERT_TRUE(CheckRefusal(outcome)) << c.name;
  EXPECT_EQ(DesignFieldName(CheckRefusal(outcome)->field), QString::fromUtf16(c.field)) << c.name;
  EXPECT_EQ(CheckRefusal(outcome)->message, QString::fromUtf16(c.message)) << c.name;
  EXPECT_FALSE(Stored(outcome));
  EXPECT_FALSE(outcome.sized());
}

constexpr const char16_t* kIncomplete = u"Data is not complete. ";

INSTANTIATE_TEST_SUITE_P(
    Calculate, FailedChecks,
    testing::Values(CheckCase{"all empty flags the refrigerant", [](MainFieldTexts& f) { f = {}; }, UnitSystem::IP,
                              u"Cmbrt", kIncomplete},
                    CheckCase{"capacity", [](MainFieldTexts& f) { f.capacity = u"x"_qs; }, UnitSystem::IP,
                              u"Txtcapacity", kIncomplete},
                    CheckCase{"evaporating missing", [](MainFieldTexts& f) { f.evaporating.clear(); }, UnitSystem::IP,
                              u"Txtet", kIncomplete},
                    CheckCase{"evaporating IP", [](MainFieldTexts& f) { f.evaporating = u"-41"_qs; }, UnitSystem::IP,
                              u"Txtet", u"Valid Range Is -40 to 55 F.please insert correct data "},
                    CheckCase{"evaporating SI", [](MainFieldTexts& f) { f.evaporating = u"-40.5"_qs; }, UnitSystem::SI,
                              u"Txtet", u"Valid Range Is -40 to 12 C.please insert correct data "},
                    CheckCase{"condensing IP", [](MainFieldTexts& f) { f.condensing = u"79"_qs; }, UnitSystem::IP,
                              u"Txtct", u"Valid Range Is 80 to 150 F.please insert correct data. "},
                    CheckCase{"condensing SI", [](MainFieldTexts& f) { f.condensing = u"24.9"_qs; }, UnitSystem::SI,
                              u"Txtct", u"Valid Range Is 25 to 65 C.please insert correct data. "},
                    CheckCase{"line", [](MainFieldTexts& f) { f.line.clear(); }, UnitSystem::IP, u"Cmbl", kIncomplete},
                    CheckCase{"design drop", [](MainFieldTexts& f) { f.designDrop.clear(); }, UnitSystem::IP, u"Cmbdpd",
                              kIncomplete},
                    CheckCase{"design drop not a number", [](MainFieldTexts& f) { f.designDrop = u"."_qs; },
                              UnitSystem::IP, u"Cmbdpd", kIncomplete},
                    CheckCase{"total length", [](MainFieldTexts& f) { f.totalLength = u"-"_qs; }, UnitSystem::IP,
                              u"Txttll", kIncomplete},
                    CheckCase{"riser longer than the line", [](MainFieldTexts& f) { f.riserLength = u"100.5"_qs; },
                              UnitSystem::IP, u"Txtrl",
                              u"Riser Length should not be greater than the Total Line Length . "},
                    CheckCase{"refrigerant from elsewhere", [](MainFieldTexts& f) { f.refrigerant = u"R12"_qs; },
                              UnitSystem::IP, u"Cmbrt", kIncomplete}),
    RowName<CheckCase>);

TEST(Calculate, BoundaryValuesPass) {
  for (auto edit :
       {+[](MainFieldTexts& f) { f.evaporating = u"-40"_qs; }, +[](MainFieldTexts& f) { f.evaporating = u"60"_qs; },
        +[](MainFieldTexts& f) { f.riserLength = u"100"_qs; }, +[](MainFieldTexts& f) { f.capacity = u"0"_qs; }}) {
    MainFieldTexts f = TwentyTonSuction();
    edit(f);
    EXPECT_FALSE(CheckRefusal(Calculate(f)));
  }
  MainFieldTexts si = TwentyTonSuction();
  si.evaporating = u"5"_qs;
  si.condensing = u"25"_qs;
  si.designDrop = u"0.2"_qs;
  EXPECT_FALSE(CheckRefusal(Calculate(si, UnitSystem::SI)));
}

TEST(Calculate, OptionalFieldsThatAreNotNumbersBecomeZero) {
  MainFieldTexts f = TwentyTonSuction();
  f.superheat = u"abc"_qs;
  f.subcool.clear();
  f.riserLength = u"."_qs;
  f.additionalLoss = u"-"_qs;
  const CalculateResult outcome = Calculate(f);
  for (const QString& text :
       {outcome.fields.superheat, outcome.fields.subcool, outcome.fields.riserLength, outcome.fields.additionalLoss})
    EXPECT_EQ(text, u"0"_qs);
  ASSERT_TRUE(Stored(outcome));
  EXPECT_EQ(Stored(outcome)->superheatF, 0);
  // Zeroed on the way even when a later check refuses the run.
  f.totalLength.clear();
  const CalculateResult refused = Calculate(f);
  ASSERT_TRUE(CheckRefusal(refused));
  EXPECT_EQ(refused.fields.superheat, u"0"_qs);
}

TEST(Calculate, StoresSIValuesInIPWithTheExactFactors) {
  const MainFieldTexts f = {u"R22"_qs,     u"10"_qs,  u"4"_qs,  u"40"_qs, u"5"_qs,  u"2"_qs,
                            u"Suction"_qs, u"0.2"_qs, u"30"_qs, u"6"_qs,  u"0.1"_qs};
  const CalculateResult outcome = Calculate(f, UnitSystem::SI);
  ASSERT_TRUE(Stored(outcome));
  const DesignCase& c = *Stored(outcome);
  EXPECT_DOUBLE_EQ(c.capacityTons, 2.843451433);
  EXPECT_DOUBLE_EQ(c.evaporatingF, 4 * 1.8 + 32);
  EXPECT_DOUBLE_EQ(c.condensingF, 40 * 1.8 + 32);
  EXPECT_DOUBLE_EQ(c.superheatF, 9);
  EXPECT_DOUBLE_EQ(c.subcoolF, 3.6);
  EXPECT_DOUBLE_EQ(c.designDropPsi, 2.90075476);
  EXPECT_DOUBLE_EQ(c.totalLengthFt, 30 * 3.2808399);
  EXPECT_DOUBLE_EQ(c.riserLengthFt, 6 * 3.2808399);
  EXPECT_DOUBLE_EQ(c.additionalLossPsi, 1.45037738);
}

TEST(Calculate, CheckingModeKeepsTheLastDesignDropAndChecksTheNamedTube) {
  MainFieldTexts f = TwentyTonSuction();
  f.designDrop = u"1/2"_qs;
  const CalculateResult outcome = Calculate(f, UnitSystem::IP, WorkingMode::Checking, {}, 3.5);
  ASSERT_TRUE(Stored(outcome) && outcome.sized());
  EXPECT_EQ(Stored(outcome)->designDropPsi, 3.5);
  EXPECT_EQ(outcome.sized()->shown.lineSize, u"1/2"_qs);
  EXPECT_EQ(outcome.sized()->shown.velocityInBand, false);

  f.designDrop = u"1 1/4"_qs;
  const CalculateResult unknown = Calculate(f, UnitSystem::IP, WorkingMode::Checking);
  ASSERT_TRUE(CheckRefusal(unknown));
  EXPECT_EQ(DesignFieldName(CheckRefusal(unknown)->field), u"Cmbdpd"_qs);
  EXPECT_TRUE(CheckRefusal(unknown)->message.contains(u"1 1/4"_qs));
}

TEST(Calculate, ATubeNameFromAFileIsQuotedSafelyInItsMessage) {
  MainFieldTexts f = TwentyTonSuction();
  f.designDrop = u"\x1b[31m"_qs + QString(200, u'x');
  const CalculateResult refused = Calculate(f, UnitSystem::IP, WorkingMode::Checking);
  ASSERT_TRUE(CheckRefusal(refused));
  const QString& message = CheckRefusal(refused)->message;
  EXPECT_FALSE(message.contains(QChar(0x1b)));
  EXPECT_TRUE(message.contains(u"\\e[31m"_qs));
  EXPECT_LT(message.size(), 200);
}

TEST(Calculate, OffersADoubleRiserOnlyForGasLinesWithARiser) {
  struct Case {
    const char16_t* line;
    const char16_t* riser;
    bool offered;
  };
  for (const Case& c : {Case{u"Suction", u"20", true}, Case{u"Discharge", u"0.5", true}, Case{u"Suction", u"0", false},
                        Case{u"Liquid", u"5", false}}) {
    MainFieldTexts f = TwentyTonSuction();
    f.line = QString::fromUtf16(c.line);
    f.riserLength = QString::fromUtf16(c.riser);
    EXPECT_EQ(Calculate(f).accepted()->offerDoubleRiser, c.offered);
  }
}

TEST(Calculate, SizesTheLineAndShowsItsTube) {
  const CalculateResult outcome = Calculate(TwentyTonSuction());
  ASSERT_TRUE(outcome.sized());
  const ShownResult& shown = outcome.sized()->shown;
  EXPECT_EQ(shown.lineSize, u"2 1/8"_qs);
  EXPECT_EQ(shown.description, u"Copper Tube Outside diameter (2 Nominal size)"_qs);
  EXPECT_EQ(shown.traps, u"2"_qs);
  EXPECT_EQ(shown.velocityInBand, true);
}

TEST(Calculate, FittingCounts) {
  StoredFittingCounts counts;
  counts[5] = u"2"_qs;
  const CalculateResult withElbows = Calculate(TwentyTonSuction(), UnitSystem::IP, WorkingMode::Design, counts);
  ASSERT_TRUE(Stored(withElbows));
  EXPECT_EQ(Stored(withElbows)->fittings[5], 2);
  EXPECT_EQ(Stored(withElbows)->fittings[0], 0);  // never set counts as none

  counts[0] = u"9"_qs;  // above the dialog's limit: a file's count is used as it is
  EXPECT_EQ(Stored(Calculate(TwentyTonSuction(), UnitSystem::IP, WorkingMode::Design, counts))->fittings[0], 9);

  for (const QString& bad : {u"abc"_qs, QString()}) {
    counts[0] = bad;
    const CalculateResult refused = Calculate(TwentyTonSuction(), UnitSystem::IP, WorkingMode::Design, counts);
    ASSERT_TRUE(CheckRefusal(refused));
    EXPECT_TRUE(CheckRefusal(refused)->message.contains(u"Solenoid Valve"_qs));
    EXPECT_FALSE(Stored(refused));
  }
}

TEST(Calculate, NoPipeSizeAndNoFlowAreSizingRefusals) {
  MainFieldTexts f = TwentyTonSuction();
  f.designDrop = u"0.5"_qs;
  f.additionalLoss = u"0.5"_qs;
  const CalculateResult none = Calculate(f);
  ASSERT_TRUE(Stored(none) && !none.sized());
  EXPECT_EQ(none.refusal()->message, u"There is not any pipe size with this data."_qs);

  f = TwentyTonSuction();
  f.capacity = u"0"_qs;
  const CalculateResult zero = Calculate(f);
  ASSERT_TRUE(std::holds_alternative<NotSized>(zero.state));
  EXPECT_FALSE(zero.refusal()->message.isEmpty());
  EXPECT_EQ(DesignFieldName(zero.refusal()->field), u"Txtcapacity"_qs);
}

}  // namespace
}  // namespace kestrin

namespace kestrin {
namespace {

// The chosen source reaches the stored case for the four; a refrigerant
// without correlations takes its reference equation whatever was chosen. A
// temperature its equation is not used at flags the field that set it.
TEST(Calculate, PropertySourceFollowsTheRefrigerant) {
  struct Row {
    const char16_t* refrigerant;
    PropertySource chosen;
    PropertySource stored;
  };
  const Row rows[] = {
      {u"R22", PropertySource::Correlations, PropertySource::Correlations},
      {u"R22", PropertySource::Reference, PropertySource::Reference},
      {u"R32", PropertySource::Correlations, PropertySource::Reference},
      {u"R507A", PropertySource::Reference, PropertySource::Reference},
  };
  for (const Row& row : rows) {
    MainFieldTexts f = TwentyTonSuction();
    f.refrigerant = QString::fromUtf16(row.refrigerant);
    const CalculateResult result = RunCalculate(f, UnitSystem::IP, WorkingMode::Design, {}, 0, kC, row.chosen);
    ASSERT_NE(result.sized(), nullptr) << f.refrigerant.toStdString();
    EXPECT_EQ(result.sized()->stored.properties, row.stored) << f.refrigerant.toStdString();
  }

  MainFieldTexts hot = TwentyTonSuction();
  hot.refrigerant = u"R410A"_qs;
  hot.condensing = u"155"_qs;  // 68.3 C, within 5 K of R410A's critical temperature
  const CalculateResult refused = RunCalculate(hot, UnitSystem::IP, WorkingMode::Design, {}, 0, kC);
  ASSERT_NE(refused.refusal(), nullptr);
  EXPECT_TRUE(std::holds_alternative<NotSized>(refused.state));
  EXPECT_EQ(refused.refusal()->field, DesignField::Condensing);
  EXPECT_EQ(refused.refusal()->reason, RefusalReason::OutsidePropertyRange);
}

}  // namespace
}  // namespace kestrin

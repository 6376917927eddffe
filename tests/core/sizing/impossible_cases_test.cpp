// Cases no refrigeration system can have, which a project file, pasted text
// or kestrin-size can bring past the window's typing checks: Calculate
// refuses each with its field and message instead of sizing it. And the
// corners of what can be typed, which size exactly as they always did.

#include "core/physics/property_units.h"
#include "core/physics/reference/reference_fluid.h"
#include "core/sizing/calculate_command.h"
#include "core/sizing/property_range.h"
#include "param_names.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace kestrin {
namespace {

const QLocale kC = QLocale::c();

// 20 tons (70 kW) on a suction line that sizes on either property source.
MainFieldTexts SuctionCase(UnitSystem unit, const QString& refrigerant) {
  if (unit == UnitSystem::IP)
    return {refrigerant,   u"20"_qs, u"40"_qs,  u"105"_qs, u"10"_qs, u"10"_qs,
            u"Suction"_qs, u"2"_qs,  u"100"_qs, u"20"_qs,  u"0"_qs};
  return {refrigerant,   u"70"_qs,   u"5"_qs,  u"40"_qs, u"5"_qs, u"5"_qs,
          u"Suction"_qs, u"0.15"_qs, u"30"_qs, u"6"_qs,  u"0"_qs};
}

struct RefusedCase {
  std::string name;
  // R22 on its correlations, R410A on its reference equation; none for a
  // refusal that does not name the refrigerant, which runs for both.
  const char16_t* refrigerant;
  UnitSystem unit;
  void (*edit)(MainFieldTexts&);
  const char* solenoidValves;  // fit1 as stored; nullptr when never set
  WorkingMode mode;
  DesignField field;
  RefusalReason reason;
  // Refused with the checks, before anything is stored, or by the sizing.
  bool byTheChecks;
  const char16_t* message;
};

class ImpossibleCases : public testing::TestWithParam<RefusedCase> {};

TEST_P(ImpossibleCases, AreRefusedWithTheirFieldAndMessage) {
  const RefusedCase& row = GetParam();
  MainFieldTexts f = SuctionCase(row.unit, QString::fromUtf16(row.refrigerant));
  ASSERT_TRUE(RunCalculate(f, row.unit, WorkingMode::Design, {}, 0, kC).sized());
  row.edit(f);
  StoredFittingCounts counts;
  if (row.solenoidValves) counts[0] = QString::fromLatin1(row.solenoidValves);
  if (row.mode == WorkingMode::Checking) f.designDrop = u"1 1/8"_qs;

  const CalculateResult result = RunCalculate(f, row.unit, row.mode, counts, 2, kC);
  ASSERT_NE(result.refusal(), nullptr);
  EXPECT_EQ(result.refusal()->message.toStdString(), QString::fromUtf16(row.message).toStdString());
  EXPECT_EQ(result.refusal()->field, row.field);
  EXPECT_EQ(result.refusal()->reason, row.reason);
  EXPECT_EQ(std::holds_alternative<CheckRefused>(result.state), row.byTheChecks);
  EXPECT_EQ(result.sized(), nullptr);
}

constexpr UnitSystem kIP = UnitSystem::IP;
constexpr UnitSystem kSI = UnitSystem::SI;
constexpr WorkingMode kDesign = WorkingMode::Design;
constexpr WorkingMode kChecking = WorkingMode::Checking;
constexpr RefusalReason kOutOfRange = RefusalReason::OutOfRange;
constexpr RefusalReason kOutside = RefusalReason::OutsidePropertyRange;
constexpr RefusalReason kTooLarge = RefusalReason::TooLarge;

constexpr const char16_t* kBelowCondensing = u"The evaporating temperature must be below the condensing temperature.";
constexpr const char16_t* kPressureDropTooLarge =
    u"The line cannot be sized with this data: the pressure drop is too large to calculate or show.";

std::vector<RefusedCase> Rows() {
  const RefusedCase eitherSource[] = {
      {"IP evaporating above condensing", nullptr, kIP, [](MainFieldTexts& f) { f.evaporating = u"120"_qs; }, nullptr,
       kDesign, DesignField::Evaporating, kOutOfRange, true, kBelowCondensing},
      {"SI evaporating above condensing", nullptr, kSI, [](MainFieldTexts& f) { f.evaporating = u"45"_qs; }, nullptr,
       kDesign, DesignField::Evaporating, kOutOfRange, true, kBelowCondensing},
      {"IP evaporating at condensing", nullptr, kIP, [](MainFieldTexts& f) { f.evaporating = u"105"_qs; }, nullptr,
       kDesign, DesignField::Evaporating, kOutOfRange, true, kBelowCondensing},
      {"IP negative superheat", nullptr, kIP, [](MainFieldTexts& f) { f.superheat = u"-20"_qs; }, nullptr, kDesign,
       DesignField::Superheat, kOutOfRange, true, u"Superheat (F) must not be negative."},
      {"SI negative superheat", nullptr, kSI, [](MainFieldTexts& f) { f.superheat = u"-0.5"_qs; }, nullptr, kDesign,
       DesignField::Superheat, kOutOfRange, true, u"Superheat (C) must not be negative."},
      {"IP negative subcooling", nullptr, kIP, [](MainFieldTexts& f) { f.subcool = u"-5"_qs; }, nullptr, kDesign,
       DesignField::Subcool, kOutOfRange, true, u"Subcool (F) must not be negative."},
      {"IP negative line and riser", nullptr, kIP,
       [](MainFieldTexts& f) {
         f.totalLength = u"-10"_qs;
         f.riserLength = u"-80"_qs;
       },
       nullptr, kDesign, DesignField::TotalLength, kOutOfRange, true, u"Total Line Length (Ft) must not be negative."},
      {"SI negative line", nullptr, kSI,
       [](MainFieldTexts& f) {
         // A riser of 0 would be longer than the line: the riser check comes first.
         f.totalLength = u"-1e-3"_qs;
         f.riserLength = u"-1"_qs;
       },
       nullptr, kDesign, DesignField::TotalLength, kOutOfRange, true, u"Total Line Length (m) must not be negative."},
      {"IP negative riser", nullptr, kIP, [](MainFieldTexts& f) { f.riserLength = u"-5"_qs; }, nullptr, kDesign,
       DesignField::RiserLength, kOutOfRange, true, u"Riser Length (Ft) must not be negative."},
      {"IP negative additional loss", nullptr, kIP, [](MainFieldTexts& f) { f.additionalLoss = u"-1"_qs; }, nullptr,
       kDesign, DesignField::AdditionalLoss, kOutOfRange, true, u"Additional loss (psi) must not be negative."},
      {"SI negative additional loss", nullptr, kSI, [](MainFieldTexts& f) { f.additionalLoss = u"-0.01"_qs; }, nullptr,
       kDesign, DesignField::AdditionalLoss, kOutOfRange, true, u"Additional loss (bar) must not be negative."},
      {"IP fittings longer than the line", nullptr, kIP, [](MainFieldTexts&) {}, "-1000", kDesign, DesignField::None,
       RefusalReason::NoFlow, false,
       u"The line cannot be sized with this data: the equivalent length of 1/2 is below 0: the fitting counts below "
       u"0 take away more than the line is long."},
      {"SI fittings longer than the line checking", nullptr, kSI, [](MainFieldTexts&) {}, "-1e6", kChecking,
       DesignField::None, RefusalReason::NoFlow, false,
       u"The line cannot be sized with this data: the equivalent length of 1 1/8 is below 0: the fitting counts "
       u"below 0 take away more than the line is long."},
      {"IP line of 1e308 ft checking", nullptr, kIP, [](MainFieldTexts& f) { f.totalLength = u"1e308"_qs; }, nullptr,
       kChecking, DesignField::None, kTooLarge, false, kPressureDropTooLarge},
      {"SI design drop met only beyond ten digits", nullptr, kSI,
       [](MainFieldTexts& f) {
         f.totalLength = u"1e12"_qs;
         f.designDrop = u"1e300"_qs;
       },
       nullptr, kDesign, DesignField::None, kTooLarge, false, kPressureDropTooLarge},
      {"IP fittings beyond any number", nullptr, kIP, [](MainFieldTexts&) {}, "1e308", kDesign, DesignField::None,
       kTooLarge, false,
       u"The line cannot be sized with this data: the equivalent length is too large to calculate or show."},
  };
  // The critical temperatures: R22 369.295 K, R404A 345.27 K, R410A
  // 344.494 K; the highest condensing temperature 5 K below them.
  std::vector<RefusedCase> rows = {
      {"IP condensing 5 F below critical R22", u"R22", kIP, [](MainFieldTexts& f) { f.condensing = u"200"_qs; },
       nullptr, kDesign, DesignField::Condensing, kOutside, false,
       u"The condensing temperature is too close to the critical temperature of R22 (205.1 F): lines are sized with "
       u"condensing temperatures up to 196.1 F."},
      {"SI condensing near critical R22", u"R22", kSI, [](MainFieldTexts& f) { f.condensing = u"92"_qs; }, nullptr,
       kDesign, DesignField::Condensing, kOutside, false,
       u"The condensing temperature is too close to the critical temperature of R22 (96.1 C): lines are sized with "
       u"condensing temperatures up to 91.1 C."},
      {"IP condensing above critical R404A", u"R404A", kIP, [](MainFieldTexts& f) { f.condensing = u"170"_qs; },
       nullptr, kDesign, DesignField::Condensing, kOutside, false,
       u"The condensing temperature is too close to the critical temperature of R404A (161.8 F): lines are sized "
       u"with condensing temperatures up to 152.8 F."},
      {"IP condensing near critical R410A", u"R410A", kIP, [](MainFieldTexts& f) { f.condensing = u"155"_qs; }, nullptr,
       kDesign, DesignField::Condensing, kOutside, false,
       u"The condensing temperature is too close to the critical temperature of R410A (160.4 F): lines are sized "
       u"with condensing temperatures up to 151.4 F."},
      {"SI condensing near critical R410A", u"R410A", kSI, [](MainFieldTexts& f) { f.condensing = u"66.5"_qs; },
       nullptr, kDesign, DesignField::Condensing, kOutside, false,
       u"The condensing temperature is too close to the critical temperature of R410A (71.3 C): lines are sized "
       u"with condensing temperatures up to 66.3 C."},
      {"IP suction gas above critical R22", u"R22", kIP, [](MainFieldTexts& f) { f.superheat = u"170"_qs; }, nullptr,
       kDesign, DesignField::Superheat, kOutside, false,
       u"The suction gas (evaporating temperature plus superheat) is above the critical temperature of R22 "
       u"(205.1 F)."},
      {"SI suction gas above critical R410A", u"R410A", kSI, [](MainFieldTexts& f) { f.superheat = u"67"_qs; }, nullptr,
       kDesign, DesignField::Superheat, kOutside, false,
       u"The suction gas (evaporating temperature plus superheat) is above the critical temperature of R410A "
       u"(71.3 C)."},
      {"IP liquid at -95 F R22", u"R22", kIP, [](MainFieldTexts& f) { f.subcool = u"200"_qs; }, nullptr, kDesign,
       DesignField::Subcool, kOutside, false,
       u"The liquid (condensing temperature less subcooling) is colder than -60.0 F, the coldest liquid of R22 that "
       u"lines are sized with."},
      {"SI liquid at -55 C R410A", u"R410A", kSI, [](MainFieldTexts& f) { f.subcool = u"95"_qs; }, nullptr, kDesign,
       DesignField::Subcool, kOutside, false,
       u"The liquid (condensing temperature less subcooling) is colder than -51.1 C, the coldest liquid of R410A "
       u"that lines are sized with."},
  };
  for (const RefusedCase& row : eitherSource) {
    for (const char16_t* refrigerant : {u"R22", u"R410A"}) {
      RefusedCase named = row;
      named.refrigerant = refrigerant;
      named.name += ' ' + QString::fromUtf16(refrigerant).toStdString();
      rows.push_back(named);
    }
  }
  return rows;
}

INSTANTIATE_TEST_SUITE_P(Calculate, ImpossibleCases, testing::ValuesIn(Rows()), RowName<RefusedCase>);

// The corners of what the window lets a user type (evaporating -40 to 55 F,
// condensing 80 to 150 F, superheat 50 F, subcooling 20 F, 1,500 ft with a
// 300 ft riser and 4 psi; in SI -40 to 12 C, 25 to 65 C, 25 K, 10 K, 500 m,
// 100 m and 0.3 bar) size as they did before any of the refusals above
// existed: these texts were shown then.
TEST(TypingCorners, SizeAsTheyAlwaysDid) {
  struct Row {
    const char* refrigerant;
    UnitSystem unit;
    const char* line;
    bool cold;  // the lowest evaporating and condensing temperatures, or the highest
    const char* lineSize;
    const char* pressureDrop;
    const char* velocity;
    const char* equivalentLength;
  };
  const Row rows[] = {
      {"R22", UnitSystem::IP, "Suction", true, "2 5/8", "4.83", "7.20", "1949.7"},
      {"R22", UnitSystem::IP, "Suction", false, "2 1/8", "4.78", "3.03", "1883.6"},
      {"R22", UnitSystem::IP, "Discharge", true, "2 1/8", "4.55", "3.77", "1883.6"},
      {"R22", UnitSystem::IP, "Discharge", false, "2 1/8", "4.74", "4.45", "1883.6"},
      {"R22", UnitSystem::IP, "Liquid", true, "1 1/8", "5.50", "0.60", "1685.1"},
      {"R22", UnitSystem::IP, "Liquid", false, "1 3/8", "4.81", "0.55", "1741.8"},
      {"R22", UnitSystem::SI, "Suction", true, "2 5/8", "0.37", "2.41", "645.8"},
      {"R22", UnitSystem::SI, "Suction", false, "2 1/8", "0.36", "1.01", "624.3"},
      {"R22", UnitSystem::SI, "Discharge", true, "2 1/8", "0.34", "1.13", "624.3"},
      {"R22", UnitSystem::SI, "Discharge", false, "2 1/8", "0.36", "1.35", "624.3"},
      {"R22", UnitSystem::SI, "Liquid", true, "1 3/8", "0.34", "0.11", "578.4"},
      {"R22", UnitSystem::SI, "Liquid", false, "1 3/8", "0.36", "0.17", "578.4"},
      {"R404A", UnitSystem::IP, "Suction", true, "2 5/8", "5.11", "6.61", "1949.7"},
      {"R404A", UnitSystem::IP, "Suction", false, "2 1/8", "5.25", "2.99", "1883.6"},
      {"R404A", UnitSystem::IP, "Discharge", true, "2 1/8", "4.53", "3.02", "1883.6"},
      {"R404A", UnitSystem::IP, "Discharge", false, "2 1/8", "5.74", "6.91", "1883.6"},
      {"R404A", UnitSystem::IP, "Liquid", true, "1 3/8", "5.24", "0.65", "1741.8"},
      {"R404A", UnitSystem::IP, "Liquid", false, "1 5/8", "5.47", "0.95", "1779.6"},
      {"R404A", UnitSystem::SI, "Suction", true, "2 5/8", "0.39", "2.21", "645.8"},
      {"R404A", UnitSystem::SI, "Suction", false, "2 5/8", "0.34", "0.66", "645.8"},
      {"R404A", UnitSystem::SI, "Discharge", true, "2 1/8", "0.34", "0.86", "624.3"},
      {"R404A", UnitSystem::SI, "Discharge", false, "2 5/8", "0.34", "1.18", "645.8"},
      {"R404A", UnitSystem::SI, "Liquid", true, "1 3/8", "0.39", "0.19", "578.4"},
      {"R404A", UnitSystem::SI, "Liquid", false, "2 1/8", "0.33", "0.16", "624.3"},
  };
  for (const Row& row : rows) {
    const bool ip = row.unit == UnitSystem::IP;
    const MainFieldTexts f{QString::fromLatin1(row.refrigerant),
                           ip ? u"5"_qs : u"17.5"_qs,
                           row.cold ? u"-40"_qs : (ip ? u"55"_qs : u"12"_qs),
                           row.cold ? (ip ? u"80"_qs : u"25"_qs) : (ip ? u"150"_qs : u"65"_qs),
                           ip ? u"50"_qs : u"25"_qs,
                           ip ? u"20"_qs : u"10"_qs,
                           QString::fromLatin1(row.line),
                           ip ? u"6"_qs : u"0.4"_qs,
                           ip ? u"1500"_qs : u"500"_qs,
                           ip ? u"300"_qs : u"100"_qs,
                           ip ? u"4"_qs : u"0.3"_qs};
    SCOPED_TRACE(f.refrigerant.toStdString() + " " + f.line.toStdString() + " " + f.evaporating.toStdString() + "/" +
                 f.condensing.toStdString());
    const CalculateResult result = RunCalculate(f, row.unit, WorkingMode::Design, {}, 0, kC);
    ASSERT_NE(result.sized(), nullptr) << result.refusal()->message.toStdString();
    const ShownResult& shown = result.sized()->shown;
    EXPECT_EQ(shown.lineSize.toStdString(), row.lineSize);
    EXPECT_EQ(shown.totalPressureDrop.toStdString(), row.pressureDrop);
    EXPECT_EQ(shown.velocity.toStdString(), row.velocity);
    EXPECT_EQ(shown.equivalentLength.toStdString(), row.equivalentLength);
  }
}

// The largest pressure drop that can be typed: 500 tons of R507A gas at
// -40 F checked in a 5/8 tube, 1,500 ft with a 300 ft riser, 4 psi and
// every fitting at the fittings dialog's limit. Absurd, but typed: it is
// shown, in ten digits.
TEST(TypingCorners, TheLargestPressureDropThatCanBeTypedIsShown) {
  const MainFieldTexts f{u"R507A"_qs,   u"500"_qs, u"-40"_qs,  u"150"_qs, u"0"_qs, u"0"_qs,
                         u"Suction"_qs, u"5/8"_qs, u"1500"_qs, u"300"_qs, u"4"_qs};
  StoredFittingCounts limits;
  const char16_t* counts[] = {u"5", u"50", u"50", u"5", u"200", u"200", u"200", u"200", u"200", u"5"};
  for (std::size_t i = 0; i < limits.size(); ++i) limits[i] = QString::fromUtf16(counts[i]);
  const CalculateResult result = RunCalculate(f, UnitSystem::IP, WorkingMode::Checking, limits, 0, kC);
  ASSERT_NE(result.sized(), nullptr) << result.refusal()->message.toStdString();
  EXPECT_EQ(result.sized()->shown.totalPressureDrop.indexOf(u'.'), 10);
  EXPECT_EQ(result.sized()->shown.equivalentLength, u"3863.5"_qs);
}

// The limits themselves pass: a condensing temperature exactly 5 K below the
// critical one, a suction gas at the critical temperature, a liquid at -60 F.
TEST(PropertyRange, EndsOfTheRangePass) {
  DesignCase c;
  c.refrigerant = Refrigerant::R22;
  c.condensingF = FahrenheitFromKelvin(369.295 - 5);
  c.evaporatingF = 40;
  c.superheatF = FahrenheitFromKelvin(369.295) - 40;
  c.subcoolF = c.condensingF - kLowestLiquidF;
  EXPECT_EQ(CheckPropertyRange(c, UnitSystem::IP), std::nullopt);
  c.subcoolF += 1e-9;
  ASSERT_TRUE(CheckPropertyRange(c, UnitSystem::IP).has_value());
  EXPECT_EQ(CheckPropertyRange(c, UnitSystem::IP)->field, DesignField::Subcool);
}

// The correlations' critical temperatures are those of the same
// refrigerants' reference equations.
TEST(PropertyRange, CriticalTemperaturesOfTheCorrelationsAreTheReferenceEquations) {
  for (const Refrigerant r : {Refrigerant::R22, Refrigerant::R134a, Refrigerant::R407C, Refrigerant::R404A}) {
    const ReferenceFluid* fluid = ReferenceFluid::Find(RefrigerantName(r));
    ASSERT_NE(fluid, nullptr);
    EXPECT_EQ(CriticalTemperatureK(r, PropertySource::Correlations), fluid->CriticalTemperatureK())
        << RefrigerantName(r).toStdString();
    EXPECT_EQ(CriticalTemperatureK(r, PropertySource::Reference), fluid->CriticalTemperatureK());
  }
  EXPECT_TRUE(std::isnan(CriticalTemperatureK(Refrigerant::R32, PropertySource::Correlations)));
}

}  // namespace
}  // namespace kestrin

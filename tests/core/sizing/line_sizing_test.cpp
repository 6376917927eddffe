#include "core/sizing/line_sizing.h"

#include "core/physics/refrigerant_properties.h"
#include "core/physics/tube_catalogue.h"
#include "core/sizing/result_presenter.h"
#include "sample_cases.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace kestrin {
namespace {

const QLocale kC = QLocale::c();
constexpr LineType kLines[] = {LineType::Suction, LineType::Discharge, LineType::Liquid};

ShownResult ShowResult(const LineProfile& profile, const LineEvaluation& e, WorkingMode mode, UnitSystem unit,
                       double riserTyped, const QLocale& locale) {
  return PresentLineResult(profile, e, LineReadings{}, Presentation{unit, mode, riserTyped, locale});
}

LineEvaluation Evaluate(const DesignCase& c, int size) {
  const auto flow = FlowOf(ProfileOf(c.line), c, c.capacityTons);
  EXPECT_TRUE(flow.ok());
  return EvaluateSize(c, flow.value(), size);
}

TEST(DesignMode, PassesOverASizeWhosePressureDropEqualsTheDesignDrop) {
  for (LineType line : kLines) {
    DesignCase c = samples::TwentyTonR22(line);
    const auto chosen = SizeLineDesign(ProfileOf(line), c, c.capacityTons);
    ASSERT_TRUE(chosen.ok());
    const int size = chosen.value().sizeIndex;
    c.designDropPsi = chosen.value().pressureDropPsi;  // exactly the drop of that size
    const auto next = SizeLineDesign(ProfileOf(line), c, c.capacityTons);
    ASSERT_TRUE(next.ok());
    EXPECT_EQ(next.value().sizeIndex, size + 1) << LineName(line).toStdString();
  }
}

TEST(DesignMode, TakesTheFirstSizeBelowTheDesignDrop) {
  for (LineType line : kLines) {
    const DesignCase c = samples::TwentyTonR22(line);
    const auto chosen = SizeLineDesign(ProfileOf(line), c, c.capacityTons);
    ASSERT_TRUE(chosen.ok());
    EXPECT_LT(chosen.value().pressureDropPsi, c.designDropPsi);
    for (int smaller = 1; smaller < chosen.value().sizeIndex; ++smaller)
      EXPECT_GE(Evaluate(c, smaller).pressureDropPsi, c.designDropPsi);
  }
}

TEST(DesignMode, RaisingTheDesignDropNeverChoosesALargerSize) {
  for (LineType line : kLines) {
    DesignCase c = samples::TwentyTonR22(line);
    int previous = kTubeSizeCount + 1;
    for (double drop = 0.5; drop <= 8; drop += 0.25) {
      c.designDropPsi = drop;
      const auto chosen = SizeLineDesign(ProfileOf(line), c, c.capacityTons);
      if (!chosen.ok()) continue;
      EXPECT_LE(chosen.value().sizeIndex, previous);
      previous = chosen.value().sizeIndex;
    }
  }
}

TEST(DesignMode, ADesignDropNotAboveTheAdditionalLossIsNeverMet) {
  DesignCase c = samples::TwentyTonR22(LineType::Discharge);
  c.additionalLossPsi = 2;
  const auto chosen = SizeLineDesign(ProfileOf(c.line), c, c.capacityTons);
  ASSERT_FALSE(chosen.ok());
  EXPECT_EQ(chosen.refusal().message, u"There is not any pipe size with this data."_qs);
  EXPECT_EQ(chosen.refusal().field, DesignField::None);
}

// Hand-worked evaluations of the 20-ton R22 case (40 F evaporating, 105 F
// condensing, 10 F superheat and subcooling, 100 ft of line, a 20 ft riser
// and 0.5 psi additional loss), each line at one size with its fittings.
// The figures were worked apart from this program, straight from the
// correlations, the tube and fitting tables and the friction rule (the
// friction factor rounded to single precision at each step as the program
// does), with a short Python script along these lines:
//   tliq, tvap = 105 + 1 - 10, 40 + 10 + 2
//   m = 12000 * 20 / (hV(tvap) - hL(tliq))          # liquid: hV(40) - hL(105)
//   Re = m / (mu * D); f = colebrook(4.92125985e-6 / D, Re)
//   Le = 100 + fittings + 4.5 * E6 + int(20 / 19.68504) * (6 * E6 + 1)
//   V = 4 * m / (11304 * rho * D**2); dp = f * Le * rho * V**2 / (9273.6 * D) + 0.5
TEST(Evaluation, MatchesHandWorkedFigures) {
  struct Row {
    LineType line;
    int size;
    FittingCounts fittings;
    double reynolds, friction, equivalentLengthFt, velocityFps, pressureDropPsi;
  };
  const Row rows[] = {
      // "2 1/8": a solenoid valve (45 ft) and two long radius elbows (2 x 3.9 ft).
      {LineType::Suction, 8, {1, 0, 0, 0, 0, 2, 0, 0, 0, 0}, 703062.3, 0.0128985569, 194.75, 24.1985352, 2.30184496},
      // "1 3/8", no fittings: the riser allowance alone, 4.5 x 2.4 + 6 x 2.4 + 1.
      {LineType::Discharge, 6, {}, 26180544.1, 0.010577336, 126.2, 30.9632045, 5.27294644},
      // "1 1/8": four short radius elbows (4 x 2.7 ft) and a sight glass (1.5 ft).
      {LineType::Liquid, 5, {0, 0, 0, 0, 4, 0, 0, 0, 0, 1}, 124321.017, 0.01755598, 132.2, 2.54862086, 1.91017139},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(LineName(row.line).toStdString());
    DesignCase c = samples::TwentyTonR22(row.line);
    c.riserLengthFt = 20;
    c.additionalLossPsi = 0.5;
    c.fittings = row.fittings;
    const LineEvaluation e = Evaluate(c, row.size);
    EXPECT_NEAR(e.reynolds, row.reynolds, row.reynolds * 1e-7);
    EXPECT_NEAR(e.frictionFactor, row.friction, 2e-8);
    EXPECT_NEAR(e.equivalentLengthFt, row.equivalentLengthFt, 1e-9);
    EXPECT_NEAR(e.velocityFps, row.velocityFps, 1e-6);
    EXPECT_NEAR(e.pressureDropPsi, row.pressureDropPsi, 1e-6);
  }
}

// The same three lines in Type L and in EN 12735-1 tube: the flow of the
// Type K rows above through the series' inside diameters, with the friction
// factor from Colebrook-White solved in double precision.
TEST(Evaluation, OtherSeriesMatchHandWorkedFigures) {
  struct Row {
    LineType line;
    TubeSeries series;
    int size;
    FittingCounts fittings;
    double reynolds, friction, velocityFps, pressureDropPsi;
  };
  const Row rows[] = {
      {LineType::Suction,
       TubeSeries::TypeL,
       8,
       {1, 0, 0, 0, 0, 2, 0, 0, 0, 0},
       693853.4,
       0.0129170091,
       23.5687705,
       2.18930429},
      {LineType::Suction,
       TubeSeries::EN12735,
       8,
       {1, 0, 0, 0, 0, 2, 0, 0, 0, 0},
       685948.9,
       0.0129332787,
       23.034831,
       2.09725705},
      {LineType::Discharge, TubeSeries::TypeL, 6, {}, 25766620, 0.0105515719, 29.9918706, 4.89664656},
      {LineType::Discharge, TubeSeries::EN12735, 6, {}, 25395930, 0.0105283414, 29.1351217, 4.58035135},
      {LineType::Liquid,
       TubeSeries::TypeL,
       5,
       {0, 0, 0, 0, 4, 0, 0, 0, 0, 1},
       120682.4,
       0.0176448148,
       2.40161653,
       1.72168714},
      {LineType::Liquid,
       TubeSeries::EN12735,
       5,
       {0, 0, 0, 0, 4, 0, 0, 0, 0, 1},
       120844.8,
       0.0176407561,
       2.40808677,
       1.72964929},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(LineName(row.line).toStdString() + " " + TubeSeriesTitle(row.series).toStdString());
    DesignCase c = samples::TwentyTonR22(row.line);
    c.riserLengthFt = 20;
    c.additionalLossPsi = 0.5;
    c.fittings = row.fittings;
    c.tubes.series = row.series;
    const LineEvaluation e = Evaluate(c, row.size);
    EXPECT_EQ(e.series, row.series);
    EXPECT_NEAR(e.reynolds, row.reynolds, row.reynolds * 1e-6);
    EXPECT_NEAR(e.frictionFactor, row.friction, 2e-8);
    EXPECT_NEAR(e.velocityFps, row.velocityFps, 1e-6);
    EXPECT_NEAR(e.pressureDropPsi, row.pressureDropPsi, 2e-6);
  }
}

TEST(LiquidLine, MassFlowIgnoresSuperheatAndSubcooling) {
  DesignCase c = samples::TwentyTonR22(LineType::Liquid);
  const LineEvaluation base = Evaluate(c, 5);
  c.superheatF = 30;
  EXPECT_DOUBLE_EQ(Evaluate(c, 5).pressureDropPsi, base.pressureDropPsi);
  c.subcoolF = 0;  // the liquid is warmer: lighter, so faster, but the same mass flow
  const LineEvaluation warmer = Evaluate(c, 5);
  EXPECT_GT(warmer.velocityFps, base.velocityFps);
  EXPECT_NEAR(warmer.velocityFps * LiquidDensity(Refrigerant::R22, 106),
              base.velocityFps * LiquidDensity(Refrigerant::R22, 96), 1e-9);
}

TEST(Traps, ShownFromTheRiserAsTypedInTheUnitShown) {
  struct Case {
    double typed;
    UnitSystem unit;
    int traps;
  };
  for (const Case& c : {Case{8.2, UnitSystem::IP, 0}, Case{8.203, UnitSystem::IP, 1}, Case{19.68504, UnitSystem::IP, 2},
                        Case{2.49, UnitSystem::SI, 0}, Case{2.5, UnitSystem::SI, 1}, Case{6, UnitSystem::SI, 2},
                        Case{12, UnitSystem::SI, 3}, Case{0, UnitSystem::SI, 0}})
    EXPECT_EQ(TrapsShown(c.typed, c.unit), c.traps) << c.typed;
}

TEST(Traps, SIEdgesShowATrapThatTheEquivalentLengthDoesNotCarry) {
  DesignCase c = samples::TwentyTonR22(LineType::Suction);
  c.riserLengthFt = 2.5 * 3.2808399;  // 8.20209975 ft: below 8.203
  const LineEvaluation e = Evaluate(c, 6);
  EXPECT_DOUBLE_EQ(e.equivalentLengthFt, 100);
  const ShownResult shown = ShowResult(ProfileOf(c.line), e, WorkingMode::Design, UnitSystem::SI, 2.5, kC);
  EXPECT_EQ(shown.traps, u"1"_qs);
  c.riserLengthFt = 6 * 3.2808399;  // 19.6850394 ft: just below 19.68504
  EXPECT_DOUBLE_EQ(Evaluate(c, 6).equivalentLengthFt, 100 + 4.5 * 2.4);
}

TEST(Traps, LiquidDesignShowsNoneButCheckingCountsThem) {
  const LineEvaluation e = Evaluate(samples::TwentyTonR22(LineType::Liquid), 5);
  const LineProfile& liquid = ProfileOf(LineType::Liquid);
  EXPECT_EQ(ShowResult(liquid, e, WorkingMode::Design, UnitSystem::IP, 8.203, kC).traps, u"0"_qs);
  EXPECT_EQ(ShowResult(liquid, e, WorkingMode::Checking, UnitSystem::IP, 8.203, kC).traps, u"1"_qs);
}

TEST(ShownResult, IPAndSITextsWithTheirFactors) {
  LineEvaluation e;
  e.sizeIndex = 5;
  e.pressureDropPsi = 1.2345;
  e.velocityFps = 30.004;
  e.equivalentLengthFt = 123.45;
  const LineProfile& suction = ProfileOf(LineType::Suction);
  const ShownResult ip = ShowResult(suction, e, WorkingMode::Design, UnitSystem::IP, 0, kC);
  EXPECT_EQ(ip.totalPressureDrop, u"1.23"_qs);
  EXPECT_EQ(ip.velocity, u"30.00"_qs);
  EXPECT_EQ(ip.equivalentLength, u"123.5"_qs);
  EXPECT_EQ(ip.lineSize, u"1 1/8"_qs);
  EXPECT_EQ(ip.description, u"Copper Tube Outside diameter (1 Nominal size)"_qs);
  const ShownResult si = ShowResult(suction, e, WorkingMode::Design, UnitSystem::SI, 0, kC);
  EXPECT_EQ(si.totalPressureDrop, u"0.09"_qs);  // 1.2345 x 0.068947573
  EXPECT_EQ(si.velocity, u"9.15"_qs);           // 30.004 x 0.3048
  EXPECT_EQ(si.equivalentLength, u"37.6"_qs);   // 123.45 x 0.304799999
}

TEST(VelocityBand, JudgedOnTheRoundedTextBothEndsInside) {
  const auto band = ProfileOf(LineType::Suction).bandIP;
  struct Case {
    const char16_t* shown;
    bool inside;
  };
  for (const Case& c : {Case{u"15.00", true}, Case{u"65.00", true}, Case{u"65.01", false}, Case{u"14.99", false}})
    EXPECT_EQ(VelocityInBand(QString::fromUtf16(c.shown), band, kC), c.inside);
  EXPECT_EQ(ShownVelocity(14.996, UnitSystem::IP, kC), u"15.00"_qs);
  EXPECT_FALSE(VelocityInBand(u"1.00"_qs, ProfileOf(LineType::Liquid).bandIP, kC).has_value());
  EXPECT_EQ(VelocityInBand(u"20.00"_qs, ProfileOf(LineType::Discharge).bandSI, kC), true);
}

TEST(NoPhysicalFlow, IsRefusedWithAClearMessageRatherThanANumber) {
  DesignCase zero = samples::TwentyTonR22(LineType::Suction);
  zero.capacityTons = 0;
  DesignCase coldHot = samples::TwentyTonR22(LineType::Discharge);
  coldHot.refrigerant = Refrigerant::R407C;
  coldHot.evaporatingF = -40;
  coldHot.condensingF = 150;
  coldHot.superheatF = 0;
  for (const DesignCase& c : {zero, coldHot}) {
    const auto design = SizeLineDesign(ProfileOf(c.line), c, c.capacityTons);
    ASSERT_FALSE(design.ok());
    EXPECT_TRUE(design.refusal().message.startsWith(u"The line cannot be sized with this data"_qs));
    EXPECT_FALSE(CheckLine(ProfileOf(c.line), c, 5).ok());
  }
}

// Negative fitting counts, pasted whole into the fittings dialog, count with
// their value as long as the line keeps some length; a line of no length at
// all has only its additional loss; below no length there is no line.
TEST(EquivalentLength, NegativeCountsCountUntilNothingIsLeftOfTheLine) {
  struct Row {
    const char* name;
    double totalLengthFt;
    double solenoidValves;  // 45 ft each at "2 1/8"
    std::optional<double> equivalentLengthFt;
  };
  const Row rows[] = {
      {"one valve fewer", 100, -1, 55},
      {"no length left", 90, -2, 0},
      {"a line of no length", 0, 0, 0},
      {"more taken than the line", 100, -3, std::nullopt},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    DesignCase c = samples::TwentyTonR22(LineType::Suction);
    c.additionalLossPsi = 0.25;
    c.totalLengthFt = row.totalLengthFt;
    c.fittings[0] = row.solenoidValves;
    const auto checked = SizeLine(c, WorkingMode::Checking, 8);
    ASSERT_EQ(checked.ok(), row.equivalentLengthFt.has_value());
    if (!checked.ok()) {
      EXPECT_EQ(checked.refusal().reason, RefusalReason::NoFlow);
      EXPECT_TRUE(checked.refusal().message.contains(u"equivalent length of 2 1/8 is below 0"_qs));
      continue;
    }
    EXPECT_DOUBLE_EQ(checked.value().equivalentLengthFt, *row.equivalentLengthFt);
    if (*row.equivalentLengthFt == 0) {
      EXPECT_DOUBLE_EQ(checked.value().pressureDropPsi, 0.25);
    }
  }
}

// A number the output fields cannot show is a refusal, never "inf", "nan"
// or a figure of more than ten digits.
TEST(EquivalentLength, ResultsBeyondWhatCanBeShownAreRefused) {
  struct Row {
    const char* name;
    double capacityTons;
    double totalLengthFt;
    double designDropPsi;
    WorkingMode mode;
    const char* quantity;
  };
  const Row rows[] = {
      {"a line of 1e308 ft", 20, 1e308, 2, WorkingMode::Checking, "pressure drop"},
      {"a drop of more than ten digits", 20, 1e12, 1e300, WorkingMode::Design, "pressure drop"},
      {"a capacity beyond any plant", 1e200, 100, 2, WorkingMode::Checking, "pressure drop"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    DesignCase c = samples::TwentyTonR22(LineType::Discharge);
    c.capacityTons = row.capacityTons;
    c.totalLengthFt = row.totalLengthFt;
    c.designDropPsi = row.designDropPsi;
    const auto sized = SizeLine(c, row.mode, 11);
    ASSERT_FALSE(sized.ok());
    EXPECT_EQ(sized.refusal().reason, RefusalReason::TooLarge);
    EXPECT_EQ(sized.refusal().message.toStdString(), "The line cannot be sized with this data: the " +
                                                         std::string(row.quantity) +
                                                         " is too large to calculate or show.");
  }
  // 9,999,999,999.99 psi would still show in ten digits; the limit is kept
  // a little lower so that rounding to two decimals never reaches eleven.
  DesignCase c = samples::TwentyTonR22(LineType::Discharge);
  c.additionalLossPsi = 9999999998;
  EXPECT_TRUE(SizeLine(c, WorkingMode::Checking, 11).ok());
  c.additionalLossPsi = 9999999999.5;
  EXPECT_FALSE(SizeLine(c, WorkingMode::Checking, 11).ok());
}

TEST(Dispatch, EachLineRunsItsOwnProfile) {
  for (LineType line : kLines) {
    DesignCase c = samples::TwentyTonR22(line);
    const auto sized = SizeLine(c, WorkingMode::Checking, 6);
    ASSERT_TRUE(sized.ok());
    EXPECT_EQ(TubeName(TubeSeries::TypeK, sized.value().sizeIndex), u"1 3/8"_qs);
    EXPECT_EQ(sized.value().velocityFps, Evaluate(c, 6).velocityFps);
  }
  EXPECT_FALSE(SizeLine(samples::TwentyTonR22(LineType::Suction), WorkingMode::Checking, 0).ok());
}

}  // namespace
}  // namespace kestrin

#include "core/sizing/double_riser.h"

#include "core/sizing/line_sizing.h"
#include "sample_cases.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace kestrin {
namespace {

const QLocale kC = QLocale::c();

// The riser window's Calculate on the 20-ton R22 case (40 F / 105 F, 10 F
// superheat and subcooling, 100 ft with a 20 ft riser, 2 psi design drop),
// whose full load takes "2 1/8" on both lines. The sizes and velocities were
// worked apart from this program: the line's design walk from "1/2" upward
// at the minimum capacity (kW x 0.2843451433 in SI), the first size below
// 2 psi, its velocity 4 m / (11304 rho D^2) (x 0.3048 in SI). Suction at
// 5 tons, for instance: "1 3/8" at 14.9781872 FPS.
TEST(PartLoadRiser, HandWorkedSizesAndVelocities) {
  struct Row {
    LineType line;
    UnitSystem unit;
    const char* typed;
    int size;
    double velocityFps;
    struct {
      QString lineSize;
      QString velocity;
      bool velocityInBand;
    } shown;
  };
  const Row rows[] = {
      // Below the suction line's 15 FPS but inside the suction riser's band.
      {LineType::Suction, UnitSystem::IP, "5", 6, 14.9781872, {u"1 3/8"_qs, u"14.98"_qs, true}},
      {LineType::Suction, UnitSystem::IP, "2", 4, 16.7319055, {u"7/8"_qs, u"16.73"_qs, true}},
      // The discharge riser keeps the line's band: 12.12 FPS is too slow.
      {LineType::Discharge, UnitSystem::IP, "5", 5, 12.1193256, {u"1 1/8"_qs, u"12.12"_qs, false}},
      {LineType::Discharge, UnitSystem::IP, "2", 3, 11.2898823, {u"3/4"_qs, u"11.29"_qs, false}},
      {LineType::Suction, UnitSystem::SI, "20", 6, 17.0358992, {u"1 3/8"_qs, u"5.19"_qs, true}},
      // 4.35 m/s: red on a suction line, white on its riser.
      {LineType::Suction, UnitSystem::SI, "3", 2, 14.261782, {u"5/8"_qs, u"4.35"_qs, true}},
      {LineType::Discharge, UnitSystem::SI, "70", 7, 21.7765134, {u"1 5/8"_qs, u"6.64"_qs, true}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(LineName(row.line).toStdString() + " " + row.typed + (row.unit == UnitSystem::SI ? " kW" : " tons"));
    DesignCase c = samples::TwentyTonR22(row.line);
    c.riserLengthFt = 20;
    const auto riser = RunPartLoadRiser(QLatin1String(row.typed), row.line, c, {}, row.unit, WorkingMode::Design, kC);
    ASSERT_TRUE(riser.ok()) << riser.refusal().message.toStdString();
    EXPECT_EQ(riser.value().evaluation.sizeIndex, row.size);
    EXPECT_NEAR(riser.value().evaluation.velocityFps, row.velocityFps, 1e-6);
    EXPECT_EQ(riser.value().shown.lineSize.toStdString(), row.shown.lineSize.toStdString());
    EXPECT_EQ(riser.value().shown.velocity.toStdString(), row.shown.velocity.toStdString());
    EXPECT_EQ(riser.value().shown.velocityInBand, row.shown.velocityInBand);
  }
}

// The part-load riser is sized in the line's tube series and its own tube
// is rated like the line's: R410A's hot gas at 43 C ambient is beyond a
// 1 1/8 Type L riser, and the riser window says so beside its oil reading.
TEST(PartLoadRiser, SizedInTheLinesSeriesAndRatedForItsPressure) {
  DesignCase c = samples::TwentyTonR22(LineType::Discharge);
  c.refrigerant = Refrigerant::R410A;
  c.properties = PropertySource::Reference;
  c.riserLengthFt = 20;
  c.tubes = {TubeSeries::TypeL, DesignClimate::UpTo43C};
  const auto riser = RunPartLoadRiser(u"5"_qs, LineType::Discharge, c, {}, UnitSystem::IP, WorkingMode::Design, kC);
  ASSERT_TRUE(riser.ok()) << riser.refusal().message.toStdString();
  EXPECT_EQ(riser.value().evaluation.series, TubeSeries::TypeL);
  ASSERT_TRUE(riser.value().pressureRating);
  EXPECT_EQ(riser.value().pressureRating->ratingTemperatureF, 250);
  EXPECT_FALSE(riser.value().pressureRating->ok);
  const QString& warning = riser.value().shown.warning;
  EXPECT_TRUE(warning.contains(u"Tube rating: "_qs + riser.value().shown.lineSize + u" Type L (annealed) is rated "_qs))
      << warning.toStdString();
  EXPECT_TRUE(warning.endsWith(u"(R410A at 145 F)."_qs)) << warning.toStdString();
  ASSERT_TRUE(riser.value().shown.pressureRating);
  EXPECT_FALSE(riser.value().shown.pressureRating->ok);
}

TEST(PartLoadRiser, SuctionRiserBandReachesDownToEightFeetPerSecond) {
  const DesignCase suction = samples::TwentyTonR22(LineType::Suction);
  // Find a minimum capacity whose suction riser runs between 8 and 15 FPS.
  for (double tons = 1; tons < 20; tons += 0.5) {
    const auto riser = SizePartLoadRiser(suction, tons);
    if (!riser.ok() || riser.value().velocityFps < 8.5 || riser.value().velocityFps > 14.5) continue;
    EXPECT_TRUE(PresentPartLoadRiser(PartLoadRiserProfile(LineType::Suction), riser.value(), std::nullopt, std::nullopt,
                                     UnitSystem::IP, kC)
                    .velocityInBand);
    const auto asLine = PresentLineResult(ProfileOf(LineType::Suction),
                                          SizeLineDesign(ProfileOf(LineType::Suction), suction, tons).value(),
                                          LineReadings{}, Presentation{});
    EXPECT_EQ(asLine.velocityInBand, false);
    return;
  }
  FAIL() << "no part-load riser between 8 and 15 FPS";
}

// The edges of the bands, as the velocity is shown: the main window's lines
// and the part-load risers, both ends inside.
TEST(VelocityBands, EdgesOfTheLinesAndThePartLoadRisers) {
  const struct {
    const char* name;
    LineProfile profile;
    UnitSystem unit;
    std::vector<std::pair<const char*, bool>> shown;
  } rows[] = {
      {"suction line",
       ProfileOf(LineType::Suction),
       UnitSystem::IP,
       {{"14.99", false}, {"15.00", true}, {"65.00", true}, {"65.01", false}}},
      {"suction line",
       ProfileOf(LineType::Suction),
       UnitSystem::SI,
       {{"4.99", false}, {"5.00", true}, {"20.00", true}, {"20.01", false}}},
      {"discharge line",
       ProfileOf(LineType::Discharge),
       UnitSystem::IP,
       {{"14.99", false}, {"15.00", true}, {"65.00", true}, {"65.01", false}}},
      {"discharge line",
       ProfileOf(LineType::Discharge),
       UnitSystem::SI,
       {{"4.99", false}, {"5.00", true}, {"20.00", true}, {"20.01", false}}},
      {"suction riser",
       PartLoadRiserProfile(LineType::Suction),
       UnitSystem::IP,
       {{"7.99", false}, {"8.00", true}, {"65.00", true}, {"65.01", false}}},
      {"suction riser",
       PartLoadRiserProfile(LineType::Suction),
       UnitSystem::SI,
       {{"2.49", false}, {"2.50", true}, {"20.00", true}, {"20.01", false}}},
      {"discharge riser",
       PartLoadRiserProfile(LineType::Discharge),
       UnitSystem::IP,
       {{"14.99", false}, {"15.00", true}, {"65.00", true}, {"65.01", false}}},
      {"discharge riser",
       PartLoadRiserProfile(LineType::Discharge),
       UnitSystem::SI,
       {{"4.99", false}, {"5.00", true}, {"20.00", true}, {"20.01", false}}},
  };
  for (const auto& row : rows) {
    const auto& band = row.unit == UnitSystem::IP ? row.profile.bandIP : row.profile.bandSI;
    for (const auto& [velocity, inside] : row.shown) {
      SCOPED_TRACE(std::string(row.name) + " " + velocity);
      EXPECT_EQ(VelocityInBand(QLatin1String(velocity), band, kC), inside);
    }
  }
}

TEST(PartLoadRiser, RefusesWhatHasNoRiserToSize) {
  const DesignCase liquid = samples::TwentyTonR22(LineType::Liquid);
  EXPECT_FALSE(SizePartLoadRiser(liquid, 5).ok());
  const DesignCase suction = samples::TwentyTonR22(LineType::Suction);
  for (double tons : {0.0, -3.0}) {
    const auto riser = SizePartLoadRiser(suction, tons);
    ASSERT_FALSE(riser.ok());
    EXPECT_EQ(DesignFieldName(riser.refusal().field), u"Txtriser"_qs);
  }
  DesignCase unreachable = suction;
  unreachable.designDropPsi = 0;  // no tube's drop is below 0
  const auto none = SizePartLoadRiser(unreachable, 5);
  ASSERT_FALSE(none.ok());
  EXPECT_EQ(none.refusal().message, u"There is not any pipe size with this data."_qs);
}

// A checking-mode case holds the design drop of whatever design run came
// before it, or none: its riser would answer by that, not by the case.
TEST(PartLoadRiser, IsRefusedAfterACheckingModeRunWhateverDesignDropIsLeft) {
  for (const double leftOver : {0.0, 2.0}) {
    DesignCase c = samples::TwentyTonR22(LineType::Suction);
    c.riserLengthFt = 20;
    c.designDropPsi = leftOver;
    const auto riser = RunPartLoadRiser(u"5"_qs, LineType::Suction, c, {}, UnitSystem::IP, WorkingMode::Checking, kC);
    ASSERT_FALSE(riser.ok());
    EXPECT_EQ(riser.refusal().reason, RefusalReason::RiserNeedsDesignMode);
    EXPECT_EQ(riser.refusal().message,
              u"The double riser is sized from a design-mode result: calculate the line in design mode, then size "
              u"the part-load riser."_qs);
    EXPECT_TRUE(RunPartLoadRiser(u"5"_qs, LineType::Suction, c, {}, UnitSystem::IP, WorkingMode::Design, kC).ok() ==
                (leftOver > 0));
  }
}

TEST(MinimumCapacity, EntryLimitsAndUnits) {
  EXPECT_TRUE(MinimumCapacityEntryKept(u"500"_qs, UnitSystem::IP, kC));
  EXPECT_FALSE(MinimumCapacityEntryKept(u"500.01"_qs, UnitSystem::IP, kC));
  EXPECT_TRUE(MinimumCapacityEntryKept(u"1500"_qs, UnitSystem::SI, kC));
  EXPECT_FALSE(MinimumCapacityEntryKept(u"1501"_qs, UnitSystem::SI, kC));
  EXPECT_TRUE(MinimumCapacityEntryKept(u"-5"_qs, UnitSystem::IP, kC));
  EXPECT_FALSE(MinimumCapacityEntryKept(u"."_qs, UnitSystem::IP, kC));
  EXPECT_DOUBLE_EQ(*MinimumCapacityTons(u"10"_qs, UnitSystem::SI, kC), 2.843451433);
  EXPECT_DOUBLE_EQ(*MinimumCapacityTons(u"10"_qs, UnitSystem::IP, kC), 10);
  EXPECT_FALSE(MinimumCapacityTons(u"ten"_qs, UnitSystem::IP, kC));
}

}  // namespace
}  // namespace kestrin

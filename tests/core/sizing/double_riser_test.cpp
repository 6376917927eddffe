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

TEST(PartLoadRiser, IsTheLinesDesignRunAtTheMinimumCapacity) {
  for (LineType line : {LineType::Suction, LineType::Discharge}) {
    DesignCase c = samples::TwentyTonR22(line);
    c.riserLengthFt = 20;
    const auto riser = SizePartLoadRiser(c, 5);
    ASSERT_TRUE(riser.ok()) << riser.refusal().message.toStdString();
    const auto direct = SizeLineDesign(ProfileOf(line), c, 5);
    ASSERT_TRUE(direct.ok());
    EXPECT_EQ(riser.value().velocityFps, direct.value().velocityFps);
    const auto full = SizeLineDesign(ProfileOf(line), c, c.capacityTons);
    EXPECT_LE(direct.value().sizeIndex, full.value().sizeIndex);
  }
}

TEST(PartLoadRiser, SuctionRiserBandReachesDownToEightFeetPerSecond) {
  const DesignCase suction = samples::TwentyTonR22(LineType::Suction);
  // Find a minimum capacity whose suction riser runs between 8 and 15 FPS.
  for (double tons = 1; tons < 20; tons += 0.5) {
    const auto riser = SizePartLoadRiser(suction, tons);
    if (!riser.ok() || riser.value().velocityFps < 8.5 || riser.value().velocityFps > 14.5) continue;
    EXPECT_TRUE(
        PresentPartLoadRiser(PartLoadRiserProfile(LineType::Suction), riser.value(), std::nullopt, UnitSystem::IP, kC)
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
  unreachable.designDropPsi = 0;  // a checking-mode session that never ran a design
  const auto none = SizePartLoadRiser(unreachable, 5);
  ASSERT_FALSE(none.ok());
  EXPECT_EQ(none.refusal().message, u"There is not any pipe size with this data."_qs);
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

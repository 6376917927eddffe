#include "core/sizing/pressure_rating.h"

#include "core/sizing/design_climate.h"
#include "core/sizing/line_sizing.h"
#include "core/sizing/result_presenter.h"
#include "sample_cases.h"

#include <gtest/gtest.h>

namespace kestrin {
namespace {

const QLocale kC = QLocale::c();

TEST(DesignClimate, TheThreeClassesWithTheirDesignTemperatures) {
  struct Row {
    DesignClimate climate;
    int ambient;
    const char16_t* caption;
    double highSideC, lowSideC;
  };
  const Row rows[] = {
      {DesignClimate::UpTo32C, 32, u"up to 32 \u00B0C", 55, 32},
      {DesignClimate::UpTo38C, 38, u"up to 38 \u00B0C", 59, 38},
      {DesignClimate::UpTo43C, 43, u"up to 43 \u00B0C", 63, 43},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ClimateAmbientC(row.climate), row.ambient);
    EXPECT_EQ(ClimateFromAmbientC(row.ambient), row.climate);
    EXPECT_EQ(ClimateCaption(row.climate), QString::fromUtf16(row.caption));
    EXPECT_EQ(HighSideDesignTemperatureC(row.climate), row.highSideC);
    EXPECT_EQ(LowSideDesignTemperatureC(row.climate), row.lowSideC);
  }
  for (int other : {0, 31, 33, 35, 40, 45, -32}) EXPECT_FALSE(ClimateFromAmbientC(other)) << other;
}

// The design temperature of a line: its own saturation temperature where
// that is warmer than the climate's, else the climate's for its side.
TEST(PressureRating, DesignTemperatureOfEachSide) {
  struct Row {
    LineType line;
    double evaporatingF, condensingF;
    DesignClimate climate;
    double designF;
  };
  const Row rows[] = {
      {LineType::Discharge, 40, 105, DesignClimate::UpTo32C, 131},
      {LineType::Liquid, 40, 105, DesignClimate::UpTo38C, 138.2},
      {LineType::Liquid, 40, 150, DesignClimate::UpTo43C, 150},
      {LineType::Suction, 40, 105, DesignClimate::UpTo32C, 89.6},
      {LineType::Suction, 40, 105, DesignClimate::UpTo43C, 109.4},
      {LineType::Suction, 95, 130, DesignClimate::UpTo32C, 95},
  };
  for (const Row& row : rows) {
    DesignCase c = samples::TwentyTonR22(row.line);
    c.evaporatingF = row.evaporatingF;
    c.condensingF = row.condensingF;
    c.tubes.climate = row.climate;
    EXPECT_NEAR(LineDesignTemperatureF(c), row.designF, 1e-9) << LineName(row.line).toStdString();
  }
}

// R410A on a 15-ton discharge line at 40/115 F: the tube the pressure drop
// chooses is 1 3/8 Type K, whose annealed rating at hot gas temperature is
// below the pressure R410A reaches at 55 C. The size stays; the rating warns.
TEST(PressureRating, R410ADischargeInTypeKWarnsAndKeepsItsSize) {
  DesignCase c = samples::TwentyTonR22(LineType::Discharge);
  c.refrigerant = Refrigerant::R410A;
  c.properties = PropertySource::Reference;
  c.capacityTons = 15;
  c.condensingF = 115;
  const auto sized = SizeLineDesign(ProfileOf(c.line), c, c.capacityTons);
  ASSERT_TRUE(sized.ok());
  EXPECT_EQ(sized.value().sizeIndex, 6);

  const std::optional<PressureRating> rating = RatePressure(c, sized.value().sizeIndex);
  ASSERT_TRUE(rating);
  EXPECT_NEAR(rating->designPressurePsig, 484, 1.5);  // R410A's bubble pressure at 55 C, gauge
  EXPECT_EQ(rating->tubeRatingPsig, 425);
  EXPECT_EQ(rating->ratingTemperatureF, 250);
  EXPECT_FALSE(rating->ok);
  EXPECT_EQ(PressureRatingWarning(*rating, UnitSystem::IP, kC),
            u"Tube rating: 1 3/8 Type K (annealed) is rated 425 psig at 250 F; this line's design pressure is "
            u"484 psig (R410A at 131 F)."_qs);
  EXPECT_EQ(PressureRatingWarning(*rating, UnitSystem::SI, kC),
            u"Tube rating: 1 3/8 Type K (annealed) is rated 29.3 bar(g) at 121 \u00B0C; this line's design "
            u"pressure is 33.4 bar(g) (R410A at 55 \u00B0C)."_qs);

  // The same line in R22 holds: no sentence.
  c.refrigerant = Refrigerant::R22;
  c.properties = PropertySource::Correlations;
  const std::optional<PressureRating> r22 = RatePressure(c, 6);
  ASSERT_TRUE(r22);
  EXPECT_TRUE(r22->ok);
  EXPECT_TRUE(PressureRatingWarning(*r22, UnitSystem::IP, kC).isEmpty());
}

// Suction and liquid lines are rated at 150 F; a hotter climate raises the
// design pressure, a thinner wall lowers the rating.
TEST(PressureRating, RatingFollowsTheLineTheClimateAndTheSeries) {
  DesignCase c = samples::TwentyTonR22(LineType::Liquid);
  c.refrigerant = Refrigerant::R32;
  c.properties = PropertySource::Reference;
  const PressureRating mild = *RatePressure(c, 5);
  EXPECT_EQ(mild.ratingTemperatureF, 150);
  EXPECT_EQ(mild.tubeRatingPsig, 557);
  c.tubes.climate = DesignClimate::UpTo43C;
  const PressureRating hot = *RatePressure(c, 5);
  EXPECT_GT(hot.designPressurePsig, mild.designPressurePsig + 50);
  c.tubes.series = TubeSeries::TypeL;
  EXPECT_EQ(RatePressure(c, 5)->tubeRatingPsig, 420);
  c.line = LineType::Suction;
  const PressureRating suction = *RatePressure(c, 5);
  EXPECT_NEAR(suction.designTemperatureF, 109.4, 1e-9);
  EXPECT_LT(suction.designPressurePsig, hot.designPressurePsig);
}

}  // namespace
}  // namespace kestrin

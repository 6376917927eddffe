#include "core/physics/glide.h"

#include "core/sizing/result_presenter.h"

#include <gtest/gtest.h>

namespace kestrin {
namespace {

constexpr double kZeroCelsiusF = 32;
constexpr double kFortyCelsiusF = 104;
constexpr double kFahrenheitPerKelvin = 1.8;

struct GlideCase {
  Refrigerant refrigerant;
  PropertySource chosen;
  double leastK;  // at 0 C evaporating and 40 C condensing
  double mostK;
};

// R407C glides by about 5 to 7 K, R404A by under 1 K, R410A by about 0.1 K
// (the published saturation tables of the blends); a pure fluid by none.
TEST(Glide, OfTheBlendsOnTheirReferenceEquations) {
  const GlideCase cases[] = {
      {Refrigerant::R407C, PropertySource::Reference, 4.5, 7.0},
      {Refrigerant::R404A, PropertySource::Reference, 0.3, 0.8},
      {Refrigerant::R410A, PropertySource::Correlations, 0.05, 0.2},  // always on its reference equation
      {Refrigerant::R507A, PropertySource::Reference, 0.0, 0.05},
      {Refrigerant::R32, PropertySource::Reference, 0.0, 0.0},
      {Refrigerant::R22, PropertySource::Reference, 0.0, 0.0},
  };
  for (const GlideCase& c : cases) {
    SCOPED_TRACE(RefrigerantName(c.refrigerant).toStdString());
    const std::optional<Glide> glide = GlideOf(c.refrigerant, c.chosen, kZeroCelsiusF, kFortyCelsiusF);
    ASSERT_TRUE(glide);
    for (const double f : {glide->evaporatingF, glide->condensingF}) {
      EXPECT_GE(f / kFahrenheitPerKelvin, c.leastK);
      EXPECT_LE(f / kFahrenheitPerKelvin, c.mostK);
    }
  }
}

// The correlations have one saturation pressure for both points: no glide,
// not a glide of zero. Nor is there one above the critical temperature.
TEST(Glide, NoneWithoutBubbleAndDewCurves) {
  EXPECT_FALSE(GlideOf(Refrigerant::R22, PropertySource::Correlations, kZeroCelsiusF, kFortyCelsiusF));
  EXPECT_FALSE(GlideOf(Refrigerant::R407C, PropertySource::Correlations, kZeroCelsiusF, kFortyCelsiusF));
  EXPECT_FALSE(GlideOf(Refrigerant::R407C, PropertySource::Reference, kZeroCelsiusF, 250));
  EXPECT_FALSE(GlideOf(Refrigerant::R407C, PropertySource::Reference, -400, kFortyCelsiusF));
}

// The two curves close towards the critical point: the glide narrows as the
// dew point rises.
TEST(Glide, NarrowsTowardsTheCriticalPoint) {
  const ReferenceFluid* r407c = ReferenceFluid::Find(QStringLiteral("R407C"));
  ASSERT_TRUE(r407c);
  double previous = 100;
  for (double kelvin = 233.15; kelvin <= 333.15; kelvin += 10) {
    const std::optional<double> glide = GlideAtDewPointK(*r407c, kelvin);
    ASSERT_TRUE(glide);
    EXPECT_LT(*glide, previous) << kelvin;
    previous = *glide;
  }
}

struct ShownGlideCase {
  std::optional<Glide> glide;
  UnitSystem unit;
  const char* expected;
};

TEST(Glide, ShownInTheUnitSystemFromAGlideOfFiveHundredthsOfAKelvin) {
  const ShownGlideCase cases[] = {
      {Glide{1.4 * kFahrenheitPerKelvin, 1.2 * kFahrenheitPerKelvin}, UnitSystem::SI,
       "1.4 K evaporating, 1.2 K condensing"},
      {Glide{1.4 * kFahrenheitPerKelvin, 1.2 * kFahrenheitPerKelvin}, UnitSystem::IP,
       "2.5 F evaporating, 2.2 F condensing"},
      {Glide{0.06 * kFahrenheitPerKelvin, 0.01}, UnitSystem::SI, "0.1 K evaporating, 0.0 K condensing"},
      {Glide{0.04 * kFahrenheitPerKelvin, 0.04 * kFahrenheitPerKelvin}, UnitSystem::SI, ""},
      {Glide{0, 0}, UnitSystem::IP, ""},
      {std::nullopt, UnitSystem::SI, ""},
  };
  for (const ShownGlideCase& c : cases)
    EXPECT_EQ(ShownGlide(c.glide, c.unit, QLocale::c()), QString::fromUtf8(c.expected)) << c.expected;
}

}  // namespace
}  // namespace kestrin

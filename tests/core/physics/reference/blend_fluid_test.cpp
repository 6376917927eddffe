// Today's blends as the program's reference fluids: found by name with
// their glide, the top of the two-phase region that sets the condensing
// limit, hot gas well above it, and the isentropic compression that sets
// the discharge state.

#include "core/physics/reference/blend_fluid.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrin {
namespace {

const char* const kBlends[] = {"R454B", "R513A", "R452B", "R448A", "R449A"};

class EachBlend : public testing::TestWithParam<const char*> {
 protected:
  const ReferenceFluid& fluid() const { return *ReferenceFluid::Find(QString::fromLatin1(GetParam())); }
};

TEST_P(EachBlend, IsFoundWithItsGlideAndComposition) {
  ASSERT_NE(ReferenceFluid::Find(QString::fromLatin1(GetParam())), nullptr);
  EXPECT_NE(fluid().AsBlend(), nullptr);
  EXPECT_TRUE(fluid().HasGlide());
  EXPECT_FALSE(fluid().PseudoPure());
  EXPECT_TRUE(fluid().EquationSource().contains(QStringLiteral("R1234yf"))) << fluid().EquationSource().toStdString();
  const SaturatedStates s = *fluid().Saturation(273.15);
  EXPECT_GE(s.bubblePressurePa, s.dewPressurePa);
}

// The condensing limit lies five kelvin below the top of the two-phase
// region: there both points must still solve, and just above the top
// neither pair does. Every blend condenses at 60 C.
TEST_P(EachBlend, TwoPhaseTopLeavesTheCondensingLimitSolvable) {
  const double top = fluid().CriticalTemperatureK();
  EXPECT_GT(top, 273.15 + 65);
  EXPECT_LT(top, 273.15 + 100);
  const std::optional<SaturatedStates> limit = fluid().Saturation(top - 5);
  ASSERT_TRUE(limit.has_value());
  EXPECT_GT(limit->liquidDensity, 1.5 * limit->vapourDensity);
  EXPECT_FALSE(fluid().Saturation(top + 0.5).has_value());
  EXPECT_GT(fluid().CriticalPressurePa(), limit->dewPressurePa);
}

// The critical point of each blend's composition, where its traced bubble
// and dew lines end, against the makers' published critical temperature
// (R454B's also its critical pressure); the model's own may differ by a
// kelvin or so, and the older values of the others are known less closely.
// A kelvin below it both points still solve, with distinct phases.
TEST(BlendCriticalPoint, LiesNearThePublishedOne) {
  const struct {
    const char* name;
    double criticalC;
    double toleranceK;
    double criticalPressureMPa;  // 0 where none is checked
  } rows[] = {
      {"R454B", 78.1, 2, 5.267}, {"R513A", 95.5, 2.5, 0}, {"R452B", 77.0, 2.5, 0},
      {"R448A", 83.7, 2.5, 0},   {"R449A", 82.7, 2.5, 0},
  };
  for (const auto& row : rows) {
    const ReferenceFluid& blend = *ReferenceFluid::Find(QString::fromLatin1(row.name));
    const double top = blend.CriticalTemperatureK();
    EXPECT_NEAR(top - 273.15, row.criticalC, row.toleranceK) << row.name;
    if (row.criticalPressureMPa > 0) {
      EXPECT_NEAR(blend.CriticalPressurePa() / 1e6, row.criticalPressureMPa, 0.05 * row.criticalPressureMPa)
          << row.name;
    }
    const std::optional<SaturatedStates> below = blend.Saturation(top - 1);
    ASSERT_TRUE(below.has_value()) << row.name;
    EXPECT_GT(below->liquidDensity, 1.2 * below->vapourDensity) << row.name;
    EXPECT_LT(below->bubblePressurePa, blend.CriticalPressurePa() * 1.01) << row.name;
  }
}

// A discharge gas hotter than the blend's critical temperature, at a
// pressure below its critical pressure, is a plain superheated vapour.
TEST_P(EachBlend, HotGasAboveTheTwoPhaseTopHasADensity) {
  const double hot = fluid().CriticalTemperatureK() + 10;
  for (const double pressure : {0.5e6, 1e6, 2e6}) {
    const std::optional<double> density = fluid().Density(hot, pressure, Phase::Vapour);
    ASSERT_TRUE(density.has_value()) << pressure;
    EXPECT_NEAR(fluid().Pressure(hot, *density) / pressure, 1, 1e-9);
    // A stable state: the pressure rises with the density, about as an ideal
    // gas's does at these pressures.
    const double idealSlope = pressure / *density;
    EXPECT_NEAR(fluid().PressureDensityDerivative(hot, *density) / idealSlope, 1, 0.3);
  }
}

// The end of an isentropic compression from the suction gas at 0 C dew
// plus 5 K to the dew pressure of 40 C: same entropy, that pressure, and a
// superheated vapour.
TEST_P(EachBlend, IsentropicEndKeepsTheEntropyAtTheNewPressure) {
  const double suctionPressure = fluid().Saturation(273.15)->dewPressurePa;
  const double suctionDensity = *fluid().Density(278.15, suctionPressure, Phase::Vapour);
  const double condensingPressure = fluid().Saturation(313.15)->dewPressurePa;
  const std::optional<FluidPoint> end = fluid().IsentropicEnd({278.15, suctionDensity}, condensingPressure);
  ASSERT_TRUE(end.has_value());
  EXPECT_NEAR(fluid().Entropy(end->temperatureK, end->density), fluid().Entropy(278.15, suctionDensity), 1e-6);
  EXPECT_NEAR(fluid().Pressure(end->temperatureK, end->density) / condensingPressure, 1, 1e-9);
  EXPECT_GT(end->temperatureK, 313.15);
}

std::string BlendName(const testing::TestParamInfo<const char*>& row) { return row.param; }

INSTANTIATE_TEST_SUITE_P(Blends, EachBlend, testing::ValuesIn(kBlends), BlendName);

// A blends file that is not one is refused with its reason.
TEST(BlendRecipes, BadFilesAreRefusedWithTheirReason) {
  const struct {
    const char* json;
    const char* reason;
  } rows[] = {
      {"[]", ""},
      {R"({"blends": 3})", "blends"},
      {R"({"blends": [{"name": "X", "components": ["R32"], "massPercent": [100]}]})", "2 to 5"},
      {R"({"blends": [{"name": "X", "components": ["R32", "R125"], "massPercent": [50]}]})", "wrong length"},
      {R"({"blends": [{"components": ["R32", "R125"], "massPercent": [50, 50]}]})", "name"},
  };
  for (const auto& row : rows) {
    QString error;
    EXPECT_FALSE(ParseBlendRecipes(QByteArray(row.json), &error).has_value()) << row.json;
    EXPECT_TRUE(error.contains(QString::fromLatin1(row.reason))) << error.toStdString();
  }
}

}  // namespace
}  // namespace kestrin

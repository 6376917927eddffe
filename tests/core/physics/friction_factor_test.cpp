#include "core/physics/friction_factor.h"

#include "core/physics/tube_catalogue.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kestrin {
namespace {

double ColebrookResidual(double rough, double re, double f) {
  return 1 / std::sqrt(f) + 2 * std::log10(rough / 3.7 + 2.51 / (re * std::sqrt(f)));
}

TEST(FrictionFactor, SolvesColebrookToSinglePrecision) {
  struct Case {
    int size;
    double reynolds;
    double expected;
  };
  for (const Case& c : {Case{7, 100000, 0.0182}, Case{1, 2001, 0.0496}}) {
    const double rough = RelativeRoughness(TubeInsideDiameter(TubeSeries::TypeK, c.size));
    const double f = FrictionFactor(rough, c.reynolds);
    EXPECT_NEAR(f, c.expected, 0.00005) << c.reynolds;
    EXPECT_NEAR(ColebrookResidual(rough, c.reynolds, f), 0, 1e-4) << c.reynolds;
  }
}

TEST(FrictionFactor, EndsForEveryTubeAcrossTheTurbulentRange) {
  for (int size = 1; size <= kTubeSizeCount; ++size)
    for (double re = 2001; re < 1e8; re *= 1.7) {
      const double f = FrictionFactor(RelativeRoughness(TubeInsideDiameter(TubeSeries::TypeK, size)), re);
      EXPECT_TRUE(std::isfinite(f) && f > 0.005 && f < 0.06) << size << " " << re;
    }
}

TEST(FrictionRule, LaminarUpToTwoThousandInclusive) {
  const double rough = RelativeRoughness(TubeInsideDiameter(TubeSeries::TypeK, 1));
  EXPECT_DOUBLE_EQ(DarcyFrictionFactor(rough, 2000), 0.032);
  EXPECT_DOUBLE_EQ(DarcyFrictionFactor(rough, 1000), 0.064);
  EXPECT_DOUBLE_EQ(DarcyFrictionFactor(rough, 2000.5), static_cast<double>(FrictionFactor(rough, 2000.5)));
}

TEST(FrictionRule, ReynoldsNumberHasNoFourOverPi) {
  EXPECT_DOUBLE_EQ(ReynoldsNumber(1000, 0.03, 0.1), 1000 / (0.03 * 0.1));
  EXPECT_DOUBLE_EQ(RelativeRoughness(0.0335), 4.92125985e-6 / 0.0335);
}

}  // namespace
}  // namespace kestrin

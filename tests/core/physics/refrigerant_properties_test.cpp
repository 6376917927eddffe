#include "core/physics/refrigerant_properties.h"

#include "param_names.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kestrin {
namespace {

struct WorkedValue {
  const char* name;
  double (*property)(Refrigerant, double);
  double temperatureF;
  double expected;
  double tolerance;
};

class R22WorkedValues : public testing::TestWithParam<WorkedValue> {};

TEST_P(R22WorkedValues, MatchTheReferenceFigures) {
  const WorkedValue& v = GetParam();
  EXPECT_NEAR(v.property(Refrigerant::R22, v.temperatureF), v.expected, v.tolerance) << v.name;
}

INSTANTIATE_TEST_SUITE_P(Properties, R22WorkedValues,
                         testing::Values(WorkedValue{"liquid enthalpy at 100 F", LiquidEnthalpy, 100, 105.85, 0.01},
                                         WorkedValue{"vapour enthalpy at 40 F", VapourEnthalpy, 40, 174.74, 0.01},
                                         WorkedValue{"liquid density at 100 F", LiquidDensity, 100, 71.3, 0.05},
                                         WorkedValue{"vapour density at 40 F", VapourDensity, 40, 1.52, 0.005},
                                         WorkedValue{"vapour viscosity at 40 F", VapourViscosity, 40, 0.0286, 0.0001},
                                         WorkedValue{"saturation pressure at 40 F", SaturationPressure, 40, 83.07,
                                                     0.01}),
                         RowName<WorkedValue>);

TEST(RefrigeratingEffect, IsVapourEnthalpyAtSuctionGasMinusLiquidEnthalpy) {
  EXPECT_NEAR(RefrigeratingEffect(Refrigerant::R22, 100, 40), 68.9, 0.05);
  EXPECT_DOUBLE_EQ(RefrigeratingEffect(Refrigerant::R134a, 100, 40),
                   VapourEnthalpy(Refrigerant::R134a, 40) - LiquidEnthalpy(Refrigerant::R134a, 100));
}

TEST(DischargeGas, R22WorkedCompression) {
  EXPECT_NEAR(DischargeTemperature(Refrigerant::R22, 105, 40, 52), 154.8, 0.05);
  EXPECT_NEAR(DischargeGasDensity(Refrigerant::R22, 105, 40, 52), 3.59, 0.01);
}

TEST(DischargeGas, OnlyR22TakesThePressureAllowances) {
  // R134a: the plain saturation pressure ratio.
  const double ratio = SaturationPressure(Refrigerant::R134a, 105) / SaturationPressure(Refrigerant::R134a, 40);
  const double expectedK = ((52 - 32) / 1.8 + 273.15) * std::pow(ratio, 0.1189427);
  EXPECT_NEAR(DischargeTemperature(Refrigerant::R134a, 105, 40, 52), 32 + 1.8 * (expectedK - 273.15), 1e-9);
  // R22: 2.5 psi above condensing, 4 psi below evaporating.
  const double r22Ratio =
      (SaturationPressure(Refrigerant::R22, 105) + 2.5) / (SaturationPressure(Refrigerant::R22, 40) - 4);
  const double r22K = ((52 - 32) / 1.8 + 273.15) * std::pow(r22Ratio, 0.1735537);
  EXPECT_NEAR(DischargeTemperature(Refrigerant::R22, 105, 40, 52), 32 + 1.8 * (r22K - 273.15), 1e-9);
}

TEST(DischargeGas, HotterThanTheSuctionGasWheneverCondensingIsAboveEvaporating) {
  for (Refrigerant r : {Refrigerant::R22, Refrigerant::R134a, Refrigerant::R407C, Refrigerant::R404A})
    for (double et : {-40.0, 0.0, 40.0, 55.0})
      for (double ct : {80.0, 105.0, 150.0}) EXPECT_GT(DischargeTemperature(r, ct, et, et + 2), et + 2);
}

TEST(Correlations, EachRefrigerantHasItsOwnCoefficients) {
  const double r22 = VapourDensity(Refrigerant::R22, 40);
  for (Refrigerant r : {Refrigerant::R134a, Refrigerant::R407C, Refrigerant::R404A})
    EXPECT_NE(VapourDensity(r, 40), r22);
}

TEST(Correlations, EvaluateOutsideTheInputRangesWithoutClamping) {
  EXPECT_TRUE(std::isfinite(LiquidDensity(Refrigerant::R404A, 400)));
  EXPECT_NE(VapourViscosity(Refrigerant::R22, -200), VapourViscosity(Refrigerant::R22, -100));
  // R407C's hot gas viscosity correlation crosses zero near 209.2 F.
  EXPECT_GT(DischargeGasViscosity(Refrigerant::R407C, 205), 0);
  EXPECT_LT(DischargeGasViscosity(Refrigerant::R407C, 215), 0);
}

}  // namespace
}  // namespace kestrin

#include "core/physics/correlation_saturation_curve.h"

#include "core/physics/refrigerant_properties.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kestrin {
namespace {

constexpr Refrigerant kRefrigerants[] = {Refrigerant::R22, Refrigerant::R134a, Refrigerant::R407C, Refrigerant::R404A};

TEST(CorrelationSaturationCurve, IsTheCubicWithoutTheCompressionAllowances) {
  const CorrelationSaturationCurve r22(Refrigerant::R22);
  EXPECT_NEAR(r22.PressurePsia(40), 83.07, 0.01);
  for (const Refrigerant r : kRefrigerants)
    EXPECT_EQ(CorrelationSaturationCurve(r).PressurePsia(105), SaturationPressure(r, 105));
}

TEST(CorrelationSaturationCurve, InverseReturnsTheTemperatureOverTheWholeRange) {
  for (const Refrigerant r : kRefrigerants) {
    const CorrelationSaturationCurve curve(r);
    for (double t = CorrelationSaturationCurve::kLowestF; t <= CorrelationSaturationCurve::kHighestF; t += 6.5) {
      const auto back = curve.TemperatureF(curve.PressurePsia(t));
      ASSERT_TRUE(back.has_value()) << RefrigerantName(r).toStdString() << " at " << t;
      EXPECT_NEAR(*back, t, 1e-5) << RefrigerantName(r).toStdString();
    }
  }
}

TEST(CorrelationSaturationCurve, PressuresBeyondTheRangeHaveNoTemperature) {
  const CorrelationSaturationCurve curve(Refrigerant::R407C);
  const double below = curve.PressurePsia(CorrelationSaturationCurve::kLowestF) - 0.01;
  const double above = curve.PressurePsia(CorrelationSaturationCurve::kHighestF) + 0.01;
  for (const double p :
       {below, above, 0.0, -50.0, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()})
    EXPECT_FALSE(curve.TemperatureF(p).has_value()) << p;
}

}  // namespace
}  // namespace kestrin

#include "core/physics/reference_saturation_curve.h"

#include "core/physics/property_units.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kestrin {
namespace {

const ReferenceFluid& Fluid(const char* name) { return *ReferenceFluid::Find(QString::fromLatin1(name)); }

// A blend's gas lines read its dew pressure and its liquid line its bubble
// pressure, which the glide puts higher; a pure fluid's are one. Each curve
// reads back its own temperature.
TEST(ReferenceSaturationCurve, GasLinesReadTheDewAndTheLiquidLineTheBubblePressure) {
  struct Row {
    const char* fluid;
    bool blend;
  };
  for (const Row& row : {Row{"R410A", true}, Row{"R407C", true}, Row{"R32", false}, Row{"R290", false}}) {
    SCOPED_TRACE(row.fluid);
    const ReferenceFluid& fluid = Fluid(row.fluid);
    const ReferenceSaturationCurve suction(fluid, LineType::Suction);
    const ReferenceSaturationCurve discharge(fluid, LineType::Discharge);
    const ReferenceSaturationCurve liquid(fluid, LineType::Liquid);
    const SaturatedStates at40F = *fluid.Saturation(KelvinFromFahrenheit(40));
    EXPECT_NEAR(suction.PressurePsia(40), at40F.dewPressurePa / kPascalsPerPsi, 1e-9);
    EXPECT_DOUBLE_EQ(discharge.PressurePsia(40), suction.PressurePsia(40));
    EXPECT_NEAR(liquid.PressurePsia(40), at40F.bubblePressurePa / kPascalsPerPsi, 1e-9);
    if (row.blend) {
      EXPECT_GT(liquid.PressurePsia(40), suction.PressurePsia(40) * 1.001);
    } else {
      EXPECT_NEAR(liquid.PressurePsia(40), suction.PressurePsia(40), 1e-6);
    }
    for (const double f : {-40.0, 40.0, 120.0}) {
      for (const ReferenceSaturationCurve* curve : {&suction, &liquid}) {
        const std::optional<double> back = curve->TemperatureF(curve->PressurePsia(f));
        ASSERT_TRUE(back.has_value()) << f;
        EXPECT_NEAR(*back, f, 1e-3) << f;
      }
    }
  }
}

TEST(ReferenceSaturationCurve, NoSaturationBeyondTheCriticalPoint) {
  const ReferenceFluid& fluid = Fluid("R32");
  const ReferenceSaturationCurve curve(fluid, LineType::Suction);
  const double criticalF = FahrenheitFromKelvin(fluid.CriticalTemperatureK());
  EXPECT_TRUE(std::isnan(curve.PressurePsia(criticalF + 5)));
  EXPECT_FALSE(curve.TemperatureF(1.2 * fluid.CriticalPressurePa() / kPascalsPerPsi).has_value());
}

}  // namespace
}  // namespace kestrin

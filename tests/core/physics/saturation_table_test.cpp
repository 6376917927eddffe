#include "core/physics/saturation_table.h"

#include "core/physics/property_units.h"
#include "core/physics/refrigerant_properties.h"

#include <gtest/gtest.h>

namespace kestrin {
namespace {

// Rows every 5 K from -40 C to +60 C for every refrigerant: none of them has
// its critical temperature within 5 K of 60 C.
TEST(SaturationTable, RowsFromMinusFortyToSixtyCelsius) {
  for (const QString& name : RefrigerantNames()) {
    SCOPED_TRACE(name.toStdString());
    const SaturationTable table = SaturationTableOf(*RefrigerantFromName(name), PropertySource::Reference);
    ASSERT_EQ(table.rows.size(), 21u);
    EXPECT_EQ(table.rows.front().temperatureC, -40);
    EXPECT_EQ(table.rows.back().temperatureC, 60);
    for (const SaturationRow& row : table.rows) {
      ASSERT_TRUE(row.bubblePressureKpa && row.dewPressureKpa && row.liquidViscosity && row.vapourViscosity);
      EXPECT_GE(*row.bubblePressureKpa, *row.dewPressureKpa);
    }
  }
}

// In correlations mode the four show the correlations' values, converted;
// their one saturation pressure stands for bubble and dew alike. The others
// keep their reference equation.
TEST(SaturationTable, CorrelationsGiveTheirOwnValuesInSiUnits) {
  const SaturationTable r22 = SaturationTableOf(Refrigerant::R22, PropertySource::Correlations);
  EXPECT_EQ(r22.source, PropertySource::Correlations);
  const SaturationRow& zero = r22.rows.at(8);
  ASSERT_EQ(zero.temperatureC, 0);
  EXPECT_NEAR(*zero.bubblePressureKpa, SaturationPressure(Refrigerant::R22, 32) * 6.894757, 1e-3);
  EXPECT_EQ(zero.bubblePressureKpa, zero.dewPressureKpa);
  EXPECT_NEAR(*zero.liquidDensity, LiquidDensity(Refrigerant::R22, 32) * 16.018463, 1e-3);
  EXPECT_NEAR(*zero.vapourEnthalpy, VapourEnthalpy(Refrigerant::R22, 32) * 2.326, 1e-9);
  EXPECT_NEAR(*zero.vapourViscosity, VapourViscosity(Refrigerant::R22, 32) * 413.3789, 1e-3);

  // The same state from the reference equation, as a check on the units.
  const SaturationRow reference = SaturationTableOf(Refrigerant::R22, PropertySource::Reference).rows.at(8);
  EXPECT_NEAR(*zero.dewPressureKpa / *reference.dewPressureKpa, 1, 0.01);
  EXPECT_NEAR(*zero.liquidDensity / *reference.liquidDensity, 1, 0.01);

  EXPECT_EQ(SaturationTableOf(Refrigerant::R32, PropertySource::Correlations).source, PropertySource::Reference);
}

}  // namespace
}  // namespace kestrin

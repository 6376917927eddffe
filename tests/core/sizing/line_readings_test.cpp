#include "core/sizing/line_readings.h"

#include "core/physics/correlation_saturation_curve.h"
#include "core/physics/refrigerant_properties.h"
#include "core/physics/tube_catalogue.h"
#include "core/sizing/result_presenter.h"
#include "param_names.h"
#include "sample_cases.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kestrin {
namespace {

const QLocale kC = QLocale::c();

// Worked by hand on the R22 cubic P(T) = 38.89464267 + 0.80861205 T +
// 0.00631261 T^2 + 2.699e-05 T^3 (psia, F). Near T the drop is about
// dp / P'(T), the cubic's bend moving it by a few hundredths:
//   P(40) = 83.067, P'(40) = 0.80861 + 2(0.0063126)(40) + 3(2.699e-05)(1600)
//         = 1.4432 psi/F, so 1.0 psi / 1.4432 = 0.693 F (exactly 0.696);
//   P(105) = 224.640, P'(105) = 3.0270 psi/F, so 2.0 psi / 3.0270 = 0.661 F,
//   a little less going up the curve (0.659) than down it (0.663).
struct DropRow {
  const char* name;
  Refrigerant refrigerant;
  LineType line;
  double evaporatingF;
  double condensingF;
  double dropPsi;
  double expectedF;
};

class SaturationDrop : public testing::TestWithParam<DropRow> {};

TEST_P(SaturationDrop, MatchesTheHandCalculation) {
  const DropRow& row = GetParam();
  DesignCase c = samples::TwentyTonR22(row.line);
  c.refrigerant = row.refrigerant;
  c.evaporatingF = row.evaporatingF;
  c.condensingF = row.condensingF;
  const auto drop = SaturationTemperatureDrop(CorrelationSaturationCurve(row.refrigerant), row.line, c, row.dropPsi);
  ASSERT_TRUE(drop.has_value());
  EXPECT_NEAR(*drop, row.expectedF, 0.002);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SaturationDrop,
    testing::Values(
        DropRow{"R22 suction at 40 F, 1 psi", Refrigerant::R22, LineType::Suction, 40, 105, 1.0, 0.696},
        DropRow{"R22 discharge at 105 F, 2 psi", Refrigerant::R22, LineType::Discharge, 40, 105, 2.0, 0.659},
        DropRow{"R22 liquid at 105 F, 2 psi", Refrigerant::R22, LineType::Liquid, 40, 105, 2.0, 0.663},
        // P(100) = 138.978, P'(100) = 2.1054: 1.5 / 2.1054 = 0.712 going up.
        DropRow{"R134a discharge at 100 F, 1.5 psi", Refrigerant::R134a, LineType::Discharge, 40, 100, 1.5, 0.710},
        // P(110) = 285.923, P'(110) = 3.7517: 3 / 3.7517 = 0.800 going down.
        DropRow{"R404A liquid at 110 F, 3 psi", Refrigerant::R404A, LineType::Liquid, 40, 110, 3.0, 0.803},
        DropRow{"no drop, no loss", Refrigerant::R407C, LineType::Suction, -20, 105, 0.0, 0.0}),
    RowName<DropRow>);

TEST(SaturationDrop, PressureLeftBelowTheCurveGivesNoReading) {
  const DesignCase c = samples::TwentyTonR22(LineType::Suction);
  const CorrelationSaturationCurve curve(Refrigerant::R22);
  EXPECT_FALSE(SaturationTemperatureDrop(curve, LineType::Suction, c, 200).has_value());
  EXPECT_FALSE(SaturationTemperatureDrop(curve, LineType::Liquid, c, 400).has_value());
}

// The minimum velocities in ft/min, by size from "1/2" to "3 5/8".
constexpr double kSuctionFpm[] = {460, 520, 560, 600, 700, 780, 840, 980, 1080, 1180, 1270};
constexpr double kDischargeFpm[] = {285, 315, 345, 375, 430, 480, 520, 600, 665, 730, 790};

TEST(OilReturn, EveryCellOfTheMinimumVelocityTable) {
  for (int size = 1; size <= kTubeSizeCount; ++size) {
    SCOPED_TRACE(TubeName(TubeSeries::TypeK, size).toStdString());
    const auto i = static_cast<std::size_t>(size - 1);
    for (const auto& [line, fpm] :
         {std::pair{LineType::Suction, kSuctionFpm[i]}, std::pair{LineType::Discharge, kDischargeFpm[i]}}) {
      const double minimum = fpm / 60;
      EXPECT_NEAR(*MinimumOilReturnVelocityFps(line, size), minimum, 1e-12);
      // Exactly the minimum carries the oil; a hair below does not.
      EXPECT_TRUE(JudgeOilReturn(line, size, minimum)->ok);
      EXPECT_FALSE(JudgeOilReturn(line, size, minimum - 1e-9)->ok);
    }
    EXPECT_FALSE(MinimumOilReturnVelocityFps(LineType::Liquid, size).has_value());
  }
  EXPECT_FALSE(MinimumOilReturnVelocityFps(LineType::Suction, 0).has_value());
  EXPECT_FALSE(MinimumOilReturnVelocityFps(LineType::Suction, kTubeSizeCount + 1).has_value());
}

TEST(OilReturn, LargestHotGasFigureFollowsTheSquareRootOfTheDiameter) {
  const double scaled =
      730 * std::sqrt(TubeInsideDiameter(TubeSeries::TypeK, 11) / TubeInsideDiameter(TubeSeries::TypeK, 10));
  EXPECT_NEAR(*MinimumOilReturnVelocityFps(LineType::Discharge, 11) * 60, scaled, 5);
}

// R22 liquid at 105 F condensing, 10 F subcooled: the liquid (96 F) weighs
// 71.93 lb/ft3, so a 30 ft lift adds 71.93 x 30 / 144 = 14.98 psi to the
// 2 psi of friction: 16.98 psi / P'(105) = 5.61 F, or 5.77 F along the curve.
// Subcooled 5 F the liquid (101 F) weighs 71.19 lb/ft3: 14.83 psi, 5.72 F.
struct FlashRow {
  const char* name;
  double subcoolF;
  double liftFt;
  double expectedMarginF;
  bool ok;
};

class FlashGasMargin : public testing::TestWithParam<FlashRow> {};

TEST_P(FlashGasMargin, SubcoolingLeftAfterFrictionAndLift) {
  const FlashRow& row = GetParam();
  DesignCase c = samples::TwentyTonR22(LineType::Liquid);
  c.subcoolF = row.subcoolF;
  c.riserLengthFt = row.liftFt;
  const double density = LiquidDensity(Refrigerant::R22, c.LiquidTemperatureF());
  const FlashGas flash = JudgeFlashGas(CorrelationSaturationCurve(Refrigerant::R22), c, 2.0, density);
  ASSERT_TRUE(flash.subcoolingMarginF.has_value());
  EXPECT_NEAR(*flash.subcoolingMarginF, row.expectedMarginF, 0.002);
  EXPECT_EQ(flash.ok, row.ok);
}

INSTANTIATE_TEST_SUITE_P(Lifts, FlashGasMargin,
                         testing::Values(FlashRow{"no lift", 10, 0, 10 - 0.663, true},
                                         FlashRow{"30 ft lift", 10, 30, 10 - 5.773, true},
                                         FlashRow{"30 ft lift on 5 F subcooling", 5, 30, 5 - 5.719, false},
                                         FlashRow{"no subcooling flashes at once", 0, 0, -0.663, false}),
                         RowName<FlashRow>);

// One psi per degree, so the margin comes out exact.
class StraightCurve : public SaturationCurve {
 public:
  double PressurePsia(double temperatureF) const override { return temperatureF + 100; }
  std::optional<double> TemperatureF(double pressurePsia) const override { return pressurePsia - 100; }
};

TEST(FlashGasMargin, MarginOfExactlyZeroIsFlashGas) {
  DesignCase c = samples::TwentyTonR22(LineType::Liquid);
  c.subcoolF = 2;
  const FlashGas flash = JudgeFlashGas(StraightCurve(), c, 2.0, 70);
  EXPECT_EQ(flash.subcoolingMarginF, 0.0);
  EXPECT_FALSE(flash.ok);
  EXPECT_TRUE(JudgeFlashGas(StraightCurve(), c, 1.999, 70).ok);
}

TEST(FlashGasMargin, NoPressureLeftIsFlashGasWithoutAMargin) {
  const DesignCase c = samples::TwentyTonR22(LineType::Liquid);
  const FlashGas flash = JudgeFlashGas(CorrelationSaturationCurve(Refrigerant::R22), c, 300, 70);
  EXPECT_FALSE(flash.subcoolingMarginF.has_value());
  EXPECT_FALSE(flash.ok);
}

TEST(ReadLine, EachLineGivesItsOwnReadings) {
  const CorrelationSaturationCurve curve(Refrigerant::R22);
  LineEvaluation e;
  e.sizeIndex = 8;  // 2 1/8: 980 ft/min up a suction riser
  e.velocityFps = 15;
  e.pressureDropPsi = 1.0;
  const FluidState flow{70, 3500, 0.03, 72};

  DesignCase suction = samples::TwentyTonR22(LineType::Suction);
  EXPECT_FALSE(ReadLine(curve, suction, flow, e).oilReturn.has_value()) << "no riser, no oil to lift";
  suction.riserLengthFt = 20;
  const LineReadings riser = ReadLine(curve, suction, flow, e);
  EXPECT_NEAR(*riser.saturationDropF, 0.696, 0.002);
  ASSERT_TRUE(riser.oilReturn.has_value());
  EXPECT_FALSE(riser.oilReturn->ok);
  EXPECT_FALSE(riser.flashGas.has_value());

  DesignCase liquid = samples::TwentyTonR22(LineType::Liquid);
  liquid.riserLengthFt = 20;
  const LineReadings liquidReadings = ReadLine(curve, liquid, flow, e);
  EXPECT_FALSE(liquidReadings.oilReturn.has_value());
  ASSERT_TRUE(liquidReadings.flashGas.has_value());
  EXPECT_EQ(liquidReadings.flashGas, JudgeFlashGas(curve, liquid, 1.0, flow.density));
}

TEST(ReadingTexts, WarningsInTheUnitsShown) {
  LineEvaluation e;
  e.sizeIndex = 8;
  e.velocityFps = 14.2;
  LineReadings readings;
  readings.saturationDropF = 1.8;
  readings.oilReturn = JudgeOilReturn(LineType::Suction, 8, e.velocityFps);
  const LineProfile& suction = ProfileOf(LineType::Suction);

  const ShownResult ip = PresentLineResult(suction, e, readings, Presentation{UnitSystem::IP, {}, 20, kC});
  EXPECT_EQ(ip.saturationDrop, u"1.8");
  EXPECT_EQ(ip.warning, u"Oil return: 14.20 FPS is below the 16.33 FPS that 2 1/8 needs in a suction riser.");
  EXPECT_EQ(ip.oilReturn, (ShownOilReturn{u"16.33"_qs, false}));

  const ShownResult si = PresentLineResult(suction, e, readings, Presentation{UnitSystem::SI, {}, 6, kC});
  EXPECT_EQ(si.saturationDrop, u"1.0");
  EXPECT_EQ(si.warning, u"Oil return: 4.33 m/s is below the 4.98 m/s that 2 1/8 needs in a suction riser.");

  readings.oilReturn = JudgeOilReturn(LineType::Suction, 8, 17);
  EXPECT_EQ(PresentLineResult(suction, e, readings, Presentation{UnitSystem::IP, {}, 20, kC}).warning, QString());

  LineReadings liquid;
  liquid.saturationDropF = 0.7;
  liquid.flashGas = FlashGas{-1.8, false};
  const LineProfile& liquidProfile = ProfileOf(LineType::Liquid);
  const ShownResult flashIP = PresentLineResult(liquidProfile, e, liquid, Presentation{UnitSystem::IP, {}, 0, kC});
  EXPECT_EQ(flashIP.warning, u"Flash gas likely: the subcooling margin is -1.8 F.");
  EXPECT_EQ(flashIP.flashGas, (ShownFlashGas{u"-1.8"_qs, false}));
  EXPECT_EQ(PresentLineResult(liquidProfile, e, liquid, Presentation{UnitSystem::SI, {}, 0, kC}).warning,
            u"Flash gas likely: the subcooling margin is -1.0 K.");

  // Nothing left to read at the end of the line: said once, not blank.
  const ShownResult none =
      PresentLineResult(liquidProfile, e, LineReadings{std::nullopt, std::nullopt, FlashGas{}, std::nullopt},
                        Presentation{UnitSystem::IP, {}, 0, kC});
  EXPECT_EQ(none.saturationDrop, QString());
  EXPECT_TRUE(none.warning.startsWith(u"Flash gas likely: the pressure left"));
  EXPECT_FALSE(none.warning.contains(u"Saturation Temp. Drop"));
}

}  // namespace
}  // namespace kestrin

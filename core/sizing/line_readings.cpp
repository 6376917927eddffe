#include "core/sizing/line_readings.h"

#include "core/physics/tube_catalogue.h"

#include <array>

namespace kestrin {
namespace {

constexpr double kSecondsPerMinute = 60;
constexpr double kSquareInchesPerSquareFoot = 144;

// Minimum gas velocity that carries oil up a riser, ft/min, by tube size
// "1/2" .. "3 5/8". Source: the suction and hot gas rows of the minimum
// velocity table in an equipment maker's refrigerant piping manual. That
// table has no hot gas figure for 3 5/8; 790 is the 3 1/8 figure scaled by
// the square root of the ratio of the inside diameters.
struct OilReturnRow {
  double suctionFpm;
  double dischargeFpm;
};
constexpr std::array<OilReturnRow, kTubeSizeCount> kOilReturnMinimum = {{
    {460, 285},   // 1/2
    {520, 315},   // 5/8
    {560, 345},   // 3/4
    {600, 375},   // 7/8
    {700, 430},   // 1 1/8
    {780, 480},   // 1 3/8
    {840, 520},   // 1 5/8
    {980, 600},   // 2 1/8
    {1080, 665},  // 2 5/8
    {1180, 730},  // 3 1/8
    {1270, 790},  // 3 5/8
}};

}  // namespace

std::optional<double> MinimumOilReturnVelocityFps(LineType line, int sizeIndex) {
  if (line == LineType::Liquid || sizeIndex < 1 || sizeIndex > kTubeSizeCount) return std::nullopt;
  const OilReturnRow& row = kOilReturnMinimum[static_cast<std::size_t>(sizeIndex - 1)];
  return (line == LineType::Suction ? row.suctionFpm : row.dischargeFpm) / kSecondsPerMinute;
}

std::optional<OilReturn> JudgeOilReturn(LineType line, int sizeIndex, double velocityFps) {
  const std::optional<double> minimum = MinimumOilReturnVelocityFps(line, sizeIndex);
  if (!minimum) return std::nullopt;
  // Compared in ft/min, where the table's figures are exact.
  const double minimumFpm = *minimum * kSecondsPerMinute;
  return OilReturn{*minimum, velocityFps, velocityFps * kSecondsPerMinute >= minimumFpm};
}

std::optional<double> SaturationTemperatureDrop(const SaturationCurve& curve, LineType line,
                                                const DesignCase& designCase, double dropPsi) {
  switch (line) {
    case LineType::Suction: {
      const double et = designCase.evaporatingF;
      const std::optional<double> end = curve.TemperatureF(curve.PressurePsia(et) - dropPsi);
      if (!end) return std::nullopt;
      return et - *end;
    }
    case LineType::Discharge: {
      const double ct = designCase.condensingF;
      // The compressor delivers above condensing pressure by the line's drop.
      const std::optional<double> start = curve.TemperatureF(curve.PressurePsia(ct) + dropPsi);
      if (!start) return std::nullopt;
      return *start - ct;
    }
    case LineType::Liquid: {
      // The liquid saturates at the bubble point of the condensing pressure.
      const double start = curve.CondenserLiquidF(designCase.condensingF);
      const std::optional<double> end = curve.TemperatureF(curve.PressurePsia(start) - dropPsi);
      if (!end) return std::nullopt;
      return start - *end;
    }
  }
  return std::nullopt;
}

double StaticHeadPsi(double densityLbPerFt3, double heightFt) {
  return densityLbPerFt3 * heightFt / kSquareInchesPerSquareFoot;
}

FlashGas JudgeFlashGas(const SaturationCurve& curve, const DesignCase& designCase, double dropPsi,
                       double liquidDensityLbPerFt3) {
  const double lossPsi = dropPsi + StaticHeadPsi(liquidDensityLbPerFt3, designCase.riserLengthFt);
  const std::optional<double> lost = SaturationTemperatureDrop(curve, LineType::Liquid, designCase, lossPsi);
  // With no saturation temperature left the liquid has surely flashed.
  if (!lost) return FlashGas{std::nullopt, false};
  const double margin = designCase.subcoolF - *lost;
  return FlashGas{margin, margin > 0};
}

LineReadings ReadLine(const SaturationCurve& curve, const DesignCase& designCase, const FluidState& flow,
                      const LineEvaluation& evaluation) {
  LineReadings readings;
  readings.saturationDropF = SaturationTemperatureDrop(curve, designCase.line, designCase, evaluation.pressureDropPsi);
  if (designCase.line == LineType::Liquid) {
    readings.flashGas = JudgeFlashGas(curve, designCase, evaluation.pressureDropPsi, flow.density);
  } else if (designCase.riserLengthFt > 0) {
    readings.oilReturn = JudgeOilReturn(designCase.line, evaluation.sizeIndex, evaluation.velocityFps);
  }
  readings.pressureRating = RatePressure(designCase, evaluation.sizeIndex);
  return readings;
}

}  // namespace kestrin

#include "core/sizing/line_sizing.h"

#include "core/messages.h"
#include "core/physics/friction_factor.h"
#include "core/physics/refrigerant_properties.h"
#include "core/physics/tube_catalogue.h"
#include "core/units/number_text.h"

#include <cmath>

namespace kestrin {
namespace {

constexpr double kBtuPerHourPerTon = 12000;
// 3600 s/h times pi taken as 3.14.
constexpr double kVelocityFactor = 11304;
// 2 x 32.2 ft/s2 x 144 in2/ft2.
constexpr double kPressureFactor = 9273.6;

constexpr double kTrapThresholdFt = 8.203;
constexpr double kTrapSpacingFt = 19.68504;
constexpr double kTrapThresholdM = 2.5;
constexpr double kTrapSpacingM = 6;

constexpr VelocityBand kGasBandIP{15, 65};
constexpr VelocityBand kGasBandSI{5, 20};

FluidState Flow(double capacityTons, double refrigeratingEffect, double viscosity, double density) {
  return {refrigeratingEffect, capacityTons * kBtuPerHourPerTon / refrigeratingEffect, viscosity, density};
}

// Suction gas: vapour properties at the suction gas temperature.
FluidState SuctionFluid(const DesignCase& c, double capacityTons) {
  const double tvap = c.SuctionGasTemperatureF();
  return Flow(capacityTons, RefrigeratingEffect(c.refrigerant, c.LiquidTemperatureF(), tvap),
              VapourViscosity(c.refrigerant, tvap), VapourDensity(c.refrigerant, tvap));
}

// Hot gas: properties at the end of the compression from the suction gas state.
FluidState DischargeFluid(const DesignCase& c, double capacityTons) {
  const double tvap = c.SuctionGasTemperatureF();
  const double discharge = DischargeTemperature(c.refrigerant, c.condensingF, c.evaporatingF, tvap);
  return Flow(capacityTons, RefrigeratingEffect(c.refrigerant, c.LiquidTemperatureF(), tvap),
              DischargeGasViscosity(c.refrigerant, discharge),
              DischargeGasDensity(c.refrigerant, c.condensingF, c.evaporatingF, tvap));
}

// Liquid: the mass flow takes the refrigerating effect between saturated
// liquid at condensing and saturated vapour at evaporating temperature.
FluidState LiquidFluid(const DesignCase& c, double capacityTons) {
  const double tliq = c.LiquidTemperatureF();
  return Flow(capacityTons, RefrigeratingEffect(c.refrigerant, c.condensingF, c.evaporatingF),
              LiquidViscosity(c.refrigerant, tliq), LiquidDensity(c.refrigerant, tliq));
}

const LineProfile kSuction{LineType::Suction, &SuctionFluid, kGasBandIP, kGasBandSI, true};
const LineProfile kDischarge{LineType::Discharge, &DischargeFluid, kGasBandIP, kGasBandSI, true};
const LineProfile kLiquid{LineType::Liquid, &LiquidFluid, std::nullopt, std::nullopt, false};

bool PositiveFinite(double value) { return std::isfinite(value) && value > 0; }

QString Whole(int value) { return QString::number(value); }

Outcome<ShownResult> SizeWith(const LineProfile& profile, const DesignCase& designCase, WorkingMode mode,
                              int checkedSizeIndex, UnitSystem unit, double riserTyped, const QLocale& locale) {
  const Outcome<LineEvaluation> evaluation = mode == WorkingMode::Design
                                                 ? SizeLineDesign(profile, designCase, designCase.capacityTons)
                                                 : CheckLine(profile, designCase, checkedSizeIndex);
  if (!evaluation.ok()) return evaluation.refusal();
  return ShowResult(profile, evaluation.value(), mode, unit, riserTyped, locale);
}

}  // namespace

const LineProfile& ProfileOf(LineType line) {
  switch (line) {
    case LineType::Suction: return kSuction;
    case LineType::Discharge: return kDischarge;
    case LineType::Liquid: return kLiquid;
  }
  return kSuction;
}

Outcome<FluidState> FlowOf(const LineProfile& profile, const DesignCase& designCase, double capacityTons) {
  if (!PositiveFinite(capacityTons))
    return Refusal{NoFlowMessage(QStringLiteral("the capacity must be above 0.")), QStringLiteral("Txtcapacity")};
  const FluidState flow = profile.fluid(designCase, capacityTons);
  if (!PositiveFinite(flow.refrigeratingEffect) || !PositiveFinite(flow.massFlowLbPerHour))
    return Refusal{NoFlowMessage(QStringLiteral("the refrigerating effect is not positive at these temperatures.")),
                   QString()};
  if (!PositiveFinite(flow.viscosity))
    return Refusal{NoFlowMessage(QStringLiteral("the viscosity of the refrigerant is not positive at these "
                                                "temperatures (a very cold evaporator with a hot condenser).")),
                   QString()};
  if (!PositiveFinite(flow.density))
    return Refusal{NoFlowMessage(QStringLiteral("the density of the refrigerant is not positive at these "
                                                "temperatures.")),
                   QString()};
  return flow;
}

LineEvaluation EvaluateSize(const DesignCase& designCase, const FluidState& flow, int sizeIndex) {
  LineEvaluation e;
  e.sizeIndex = sizeIndex;
  const double d = TubeInsideDiameter(sizeIndex);
  e.reynolds = ReynoldsNumber(flow.massFlowLbPerHour, flow.viscosity, d);
  e.frictionFactor = DarcyFrictionFactor(RelativeRoughness(d), e.reynolds);
  e.equivalentLengthFt = designCase.totalLengthFt + FittingLength(designCase.fittings, sizeIndex) +
                         RiserAllowance(designCase.riserLengthFt, sizeIndex);
  e.velocityFps = 4 * flow.massFlowLbPerHour / (d * d * flow.density * kVelocityFactor);
  e.pressureDropPsi =
      e.frictionFactor * e.equivalentLengthFt * flow.density * e.velocityFps * e.velocityFps / (kPressureFactor * d) +
      designCase.additionalLossPsi;
  return e;
}

Outcome<LineEvaluation> SizeLineDesign(const LineProfile& profile, const DesignCase& designCase, double capacityTons) {
  const Outcome<FluidState> flow = FlowOf(profile, designCase, capacityTons);
  if (!flow.ok()) return flow.refusal();
  for (int size = 1; size <= kTubeSizeCount; ++size) {
    LineEvaluation evaluation = EvaluateSize(designCase, flow.value(), size);
    if (evaluation.pressureDropPsi < designCase.designDropPsi) return evaluation;
  }
  return Refusal{MessageText(Message::NoPipeSize), QString()};
}

Outcome<LineEvaluation> CheckLine(const LineProfile& profile, const DesignCase& designCase, int sizeIndex) {
  if (sizeIndex < 1 || sizeIndex > kTubeSizeCount)
    return Refusal{UnknownTubeMessage(QString()), QStringLiteral("Cmbdpd")};
  const Outcome<FluidState> flow = FlowOf(profile, designCase, designCase.capacityTons);
  if (!flow.ok()) return flow.refusal();
  return EvaluateSize(designCase, flow.value(), sizeIndex);
}

int TrapsShown(double riserTyped, UnitSystem unit) {
  const double threshold = unit == UnitSystem::IP ? kTrapThresholdFt : kTrapThresholdM;
  const double spacing = unit == UnitSystem::IP ? kTrapSpacingFt : kTrapSpacingM;
  if (!(riserTyped >= threshold)) return 0;
  return static_cast<int>(std::floor(riserTyped / spacing)) + 1;
}

QString ShownVelocity(double velocityFps, UnitSystem unit, const QLocale& locale) {
  return FormatFixed(unit == UnitSystem::IP ? velocityFps : velocityFps * kFeetPerSecondToMetresPerSecond, 2, locale);
}

std::optional<bool> VelocityInBand(const QString& shownVelocity, const std::optional<VelocityBand>& band,
                                   const QLocale& locale) {
  if (!band) return std::nullopt;
  const auto shown = ParseNumber(shownVelocity, locale);
  return shown && band->Contains(*shown);
}

ShownResult ShowResult(const LineProfile& profile, const LineEvaluation& evaluation, WorkingMode mode, UnitSystem unit,
                       double riserTyped, const QLocale& locale) {
  const bool ip = unit == UnitSystem::IP;
  ShownResult shown;
  shown.raw = evaluation;
  shown.totalPressureDrop =
      FormatFixed(ip ? evaluation.pressureDropPsi : evaluation.pressureDropPsi * kPsiToBar, 2, locale);
  shown.velocity = ShownVelocity(evaluation.velocityFps, unit, locale);
  shown.equivalentLength = FormatFixed(
      ip ? evaluation.equivalentLengthFt : evaluation.equivalentLengthFt * kEquivalentFeetToMetres, 1, locale);
  const bool trapsShown = mode == WorkingMode::Checking || profile.trapsShownInDesign;
  shown.traps = Whole(trapsShown ? TrapsShown(riserTyped, unit) : 0);
  shown.velocityInBand = VelocityInBand(shown.velocity, ip ? profile.bandIP : profile.bandSI, locale);
  shown.lineSize = TubeName(evaluation.sizeIndex);
  shown.description = TubeDescription(evaluation.sizeIndex);
  return shown;
}

Outcome<ShownResult> SizeSuctionLine(const DesignCase& designCase, WorkingMode mode, int checkedSizeIndex,
                                     UnitSystem unit, double riserTyped, const QLocale& locale) {
  return SizeWith(kSuction, designCase, mode, checkedSizeIndex, unit, riserTyped, locale);
}

Outcome<ShownResult> SizeDischargeLine(const DesignCase& designCase, WorkingMode mode, int checkedSizeIndex,
                                       UnitSystem unit, double riserTyped, const QLocale& locale) {
  return SizeWith(kDischarge, designCase, mode, checkedSizeIndex, unit, riserTyped, locale);
}

Outcome<ShownResult> SizeLiquidLine(const DesignCase& designCase, WorkingMode mode, int checkedSizeIndex,
                                    UnitSystem unit, double riserTyped, const QLocale& locale) {
  return SizeWith(kLiquid, designCase, mode, checkedSizeIndex, unit, riserTyped, locale);
}

Outcome<ShownResult> SizeLine(const DesignCase& designCase, WorkingMode mode, int checkedSizeIndex, UnitSystem unit,
                              double riserTyped, const QLocale& locale) {
  switch (designCase.line) {
    case LineType::Discharge: return SizeDischargeLine(designCase, mode, checkedSizeIndex, unit, riserTyped, locale);
    case LineType::Liquid: return SizeLiquidLine(designCase, mode, checkedSizeIndex, unit, riserTyped, locale);
    case LineType::Suction: break;
  }
  return SizeSuctionLine(designCase, mode, checkedSizeIndex, unit, riserTyped, locale);
}

}  // namespace kestrin

#include "core/sizing/line_sizing.h"

#include "core/messages.h"
#include "core/physics/friction_factor.h"
#include "core/physics/refrigerant_properties.h"
#include "core/physics/tube_catalogue.h"
#include "core/sizing/reference_line_fluids.h"

#include <cmath>

namespace kestrin {
namespace {

constexpr double kBtuPerHourPerTon = 12000;
// 3600 s/h times pi taken as 3.14.
constexpr double kVelocityFactor = 11304;
// 2 x 32.2 ft/s2 x 144 in2/ft2.
constexpr double kPressureFactor = 9273.6;

// The recommended hot and suction gas velocity.
constexpr VelocityBand kGasBandIP{15, 65};
constexpr VelocityBand kGasBandSI{5, 20};

FluidState Flow(double capacityTons, double refrigeratingEffect, double viscosity, double density) {
  return {refrigeratingEffect, capacityTons * kBtuPerHourPerTon / refrigeratingEffect, viscosity, density};
}

Outcome<FluidState> Flow(double capacityTons, const Outcome<LineFluidProperties>& reference) {
  if (!reference.ok()) return reference.refusal();
  const LineFluidProperties& p = reference.value();
  return Flow(capacityTons, p.refrigeratingEffect, p.viscosity, p.density);
}

bool FromReference(const DesignCase& c) { return c.properties == PropertySource::Reference; }

// Suction gas: vapour properties at the suction gas temperature.
Outcome<FluidState> SuctionFluid(const DesignCase& c, double capacityTons) {
  if (FromReference(c)) return Flow(capacityTons, ReferenceSuctionGas(c));
  const double tvap = c.SuctionGasTemperatureF();
  return Flow(capacityTons, RefrigeratingEffect(c.refrigerant, c.LiquidTemperatureF(), tvap),
              VapourViscosity(c.refrigerant, tvap), VapourDensity(c.refrigerant, tvap));
}

// Hot gas: properties at the end of the compression from the suction gas state.
Outcome<FluidState> DischargeFluid(const DesignCase& c, double capacityTons) {
  if (FromReference(c)) return Flow(capacityTons, ReferenceHotGas(c));
  const double tvap = c.SuctionGasTemperatureF();
  const double discharge = DischargeTemperature(c.refrigerant, c.condensingF, c.evaporatingF, tvap);
  return Flow(capacityTons, RefrigeratingEffect(c.refrigerant, c.LiquidTemperatureF(), tvap),
              DischargeGasViscosity(c.refrigerant, discharge),
              DischargeGasDensity(c.refrigerant, c.condensingF, c.evaporatingF, tvap));
}

// Liquid: the correlations take the mass flow from the refrigerating effect
// between saturated liquid at condensing and saturated vapour at evaporating
// temperature.
Outcome<FluidState> LiquidFluid(const DesignCase& c, double capacityTons) {
  if (FromReference(c)) return Flow(capacityTons, ReferenceLiquid(c));
  const double tliq = c.LiquidTemperatureF();
  return Flow(capacityTons, RefrigeratingEffect(c.refrigerant, c.condensingF, c.evaporatingF),
              LiquidViscosity(c.refrigerant, tliq), LiquidDensity(c.refrigerant, tliq));
}

const LineProfile kSuction{LineType::Suction, &SuctionFluid, kGasBandIP, kGasBandSI, true};
const LineProfile kDischarge{LineType::Discharge, &DischargeFluid, kGasBandIP, kGasBandSI, true};
const LineProfile kLiquid{LineType::Liquid, &LiquidFluid, std::nullopt, std::nullopt, false};

bool PositiveFinite(double value) { return std::isfinite(value) && value > 0; }

// The largest figure a result may show: ten digits before the decimal
// point. The largest drop that can be typed (500 tons of R507A at -40 F
// checked in a 5/8 tube 1,500 ft long with every fitting at its limit) is
// about 1.9e9 psi and still shows; a file's 1e308 ft does not. The SI figures
// are smaller than the IP ones, so an IP figure that fits shows in both.
constexpr double kLargestShown = 9999999999;

bool Showable(double value) { return std::isfinite(value) && std::abs(value) <= kLargestShown; }

// Negative fitting counts, which only pasted text or a file brings, can take
// away more than the line is long; counts beyond any line make a length no
// number holds. A line of no length at all, which can be typed, keeps its
// additional loss as its pressure drop.
std::optional<Refusal> CheckEquivalentLength(const LineEvaluation& e) {
  if (e.equivalentLengthFt < 0)
    return Refusal{NoFlowMessage(QStringLiteral("the equivalent length of %1 is below 0: the fitting counts below 0 "
                                                "take away more than the line is long.")
                                     .arg(TubeName(e.series, e.sizeIndex))),
                   DesignField::None, RefusalReason::NoFlow};
  if (!std::isfinite(e.equivalentLengthFt))
    return Refusal{TooLargeMessage(QStringLiteral("equivalent length")), DesignField::None, RefusalReason::TooLarge};
  return std::nullopt;
}

// The result as the output fields will show it, or why they cannot.
Outcome<LineEvaluation> Shown(const LineEvaluation& e) {
  const struct {
    double value;
    const char* quantity;
  } figures[] = {
      {e.pressureDropPsi, "pressure drop"}, {e.velocityFps, "velocity"}, {e.equivalentLengthFt, "equivalent length"}};
  for (const auto& figure : figures)
    if (!Showable(figure.value))
      return Refusal{TooLargeMessage(QString::fromLatin1(figure.quantity)), DesignField::None, RefusalReason::TooLarge};
  return e;
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
    return Refusal{NoFlowMessage(QStringLiteral("the capacity must be above 0.")), DesignField::Capacity,
                   RefusalReason::NoFlow};
  const Outcome<FluidState> state = profile.fluid(designCase, capacityTons);
  if (!state.ok()) return state.refusal();
  const FluidState& flow = state.value();
  if (!PositiveFinite(flow.refrigeratingEffect) || !PositiveFinite(flow.massFlowLbPerHour))
    return Refusal{NoFlowMessage(QStringLiteral("the refrigerating effect is not positive at these temperatures.")),
                   DesignField::None, RefusalReason::NoFlow};
  if (!PositiveFinite(flow.viscosity))
    return Refusal{NoFlowMessage(QStringLiteral("the viscosity of the refrigerant is not positive at these "
                                                "temperatures (a very cold evaporator with a hot condenser).")),
                   DesignField::None, RefusalReason::NoFlow};
  if (!PositiveFinite(flow.density))
    return Refusal{NoFlowMessage(QStringLiteral("the density of the refrigerant is not positive at these "
                                                "temperatures.")),
                   DesignField::None, RefusalReason::NoFlow};
  return flow;
}

LineEvaluation EvaluateSize(const DesignCase& designCase, const FluidState& flow, int sizeIndex) {
  LineEvaluation e;
  e.flow = flow;
  e.series = designCase.tubes.series;
  e.sizeIndex = sizeIndex;
  const double d = TubeInsideDiameter(designCase.tubes.series, sizeIndex);
  // The correlations' results were always read with the program's own
  // Reynolds number; the reference equations take the physical one.
  const bool reference = PropertySourceFor(designCase.refrigerant, designCase.properties) == PropertySource::Reference;
  e.reynolds = reference ? PhysicalReynoldsNumber(flow.massFlowLbPerHour, flow.viscosity, d)
                         : ReynoldsNumber(flow.massFlowLbPerHour, flow.viscosity, d);
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
    if (std::optional<Refusal> refused = CheckEquivalentLength(evaluation)) return *refused;
    if (evaluation.pressureDropPsi < designCase.designDropPsi) return Shown(evaluation);
  }
  return Refusal{MessageText(Message::NoPipeSize), DesignField::None, RefusalReason::NoPipeSize};
}

Outcome<LineEvaluation> CheckLine(const LineProfile& profile, const DesignCase& designCase, int sizeIndex) {
  if (sizeIndex < 1 || sizeIndex > kTubeSizeCount)
    return Refusal{UnknownTubeMessage(QString()), DesignField::DesignDrop, RefusalReason::UnknownTube};
  const Outcome<FluidState> flow = FlowOf(profile, designCase, designCase.capacityTons);
  if (!flow.ok()) return flow.refusal();
  const LineEvaluation evaluation = EvaluateSize(designCase, flow.value(), sizeIndex);
  if (std::optional<Refusal> refused = CheckEquivalentLength(evaluation)) return *refused;
  return Shown(evaluation);
}

Outcome<LineEvaluation> SizeLine(const DesignCase& designCase, WorkingMode mode, int checkedSizeIndex) {
  const LineProfile& profile = ProfileOf(designCase.line);
  if (mode == WorkingMode::Design) return SizeLineDesign(profile, designCase, designCase.capacityTons);
  return CheckLine(profile, designCase, checkedSizeIndex);
}

}  // namespace kestrin

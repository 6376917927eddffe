#include "core/sizing/reference_line_fluids.h"

#include "core/messages.h"
#include "core/physics/glide.h"
#include "core/physics/property_units.h"
#include "core/physics/reference/reference_fluid.h"
#include "core/physics/reference/viscosity.h"

#include <algorithm>
#include <cmath>

namespace kestrin {
namespace {

// The hot gas is found to this enthalpy, J/kg: about 1e-9 K at a hot gas's
// heat capacity.
constexpr double kEnthalpyTolerance = 1e-6;
constexpr int kMaxIterations = 50;
// A hot refrigerant gas's heat capacity, J/(kg K), near enough to start the
// search for the hot gas temperature.
constexpr double kHotGasHeatCapacity = 1000;

// "70.0 C (158.0 F)": the message is read in either unit system.
QString TemperatureText(double kelvin) {
  const double celsius = kelvin - kKelvinAtZeroCelsius;
  return QStringLiteral("%1 C (%2 F)").arg(celsius, 0, 'f', 1).arg(CelsiusToFahrenheit(celsius), 0, 'f', 1);
}

Refusal OutOfRange(const QString& message, DesignField field) {
  return Refusal{message, field, RefusalReason::OutsidePropertyRange};
}

// A state point of the cycle: temperature, density, enthalpy.
struct State {
  double temperatureK = 0;
  double density = 0;
  double enthalpy = 0;
};

// What one design case asks of the equation, checked before any is solved.
class Cycle {
 public:
  explicit Cycle(const DesignCase& c) : c_(c), fluid_(ReferenceFluid::Find(RefrigerantName(c.refrigerant))) {}

  std::optional<Refusal> Check() const {
    if (!fluid_)
      return OutOfRange(NoFlowMessage(QStringLiteral("%1 has no reference equation.").arg(Name())),
                        DesignField::Refrigerant);
    if (auto refused =
            CheckSaturation(QStringLiteral("evaporating temperature"), EvaporatingK(), DesignField::Evaporating))
      return refused;
    if (auto refused =
            CheckSaturation(QStringLiteral("condensing temperature"), CondensingK(), DesignField::Condensing))
      return refused;
    const std::optional<double> liquidK = LiquidK();
    if (!liquidK) return NoState();
    if (auto refused = CheckSaturation(QStringLiteral("liquid temperature"), *liquidK, DesignField::Subcool))
      return refused;
    if (SuctionK() > fluid_->MaximumTemperatureK())
      return OutOfRange(AboveEquationMessage(QStringLiteral("suction gas temperature"), TemperatureText(SuctionK()),
                                             Name(), TemperatureText(fluid_->MaximumTemperatureK())),
                        DesignField::Superheat);
    return std::nullopt;
  }

  // Without superheat the suction gas is the saturated vapour itself: right
  // on the dew line the vapour root of p(T, rho) is ill-conditioned.
  std::optional<State> Suction() const {
    const std::optional<SaturatedStates> evaporating = fluid_->Saturation(EvaporatingK());
    if (!evaporating) return std::nullopt;
    if (!(c_.superheatF > 0))
      return State{EvaporatingK(), evaporating->vapourDensity,
                   fluid_->Enthalpy(EvaporatingK(), evaporating->vapourDensity)};
    return VapourAt(SuctionK(), evaporating->dewPressurePa);
  }

  std::optional<State> Liquid() const {
    const std::optional<double> liquidK = LiquidK();
    if (!liquidK) return std::nullopt;
    const std::optional<SaturatedStates> saturated = fluid_->Saturation(*liquidK);
    if (!saturated) return std::nullopt;
    return State{*liquidK, saturated->liquidDensity, fluid_->Enthalpy(*liquidK, saturated->liquidDensity)};
  }

  // The end of the real compression: the isentropic end's enthalpy rise
  // divided by the efficiency, at the same pressure.
  Outcome<State> HotGas(const State& suction) const {
    const std::optional<SaturatedStates> condensing = fluid_->Saturation(CondensingK());
    if (!condensing) return NoState();
    const double pressure = condensing->dewPressurePa;
    const std::optional<IsentropicEnd> isentropic = IsentropicEndOf(suction, *condensing);
    if (!isentropic) return NoState();
    const double target = suction.enthalpy + (isentropic->enthalpy - suction.enthalpy) / kIsentropicEfficiency;
    const double saturatedVapour = fluid_->Enthalpy(CondensingK(), condensing->vapourDensity);
    if (!(target > saturatedVapour)) return NoState();
    // The extra enthalpy warms the gas at roughly kHotGasHeatCapacity: a
    // second start close to the answer saves most of the search.
    const double firstK = std::max(isentropic->temperatureK, CondensingK() + 1);
    const double secondK = firstK + std::max(1.0, (target - isentropic->enthalpy) / kHotGasHeatCapacity);
    const std::optional<State> hot = VapourWithEnthalpy(pressure, target, firstK, secondK);
    if (!hot) return NoState();
    if (hot->temperatureK > fluid_->MaximumTemperatureK())
      return OutOfRange(AboveEquationMessage(QStringLiteral("hot gas temperature"), TemperatureText(hot->temperatureK),
                                             Name(), TemperatureText(fluid_->MaximumTemperatureK())),
                        DesignField::Condensing);
    return *hot;
  }

  // Btu/lb, lb/(ft h) and lb/ft3 of the line's state.
  Outcome<LineFluidProperties> Properties(const State& line, double refrigeratingEffect) const {
    const double viscosity = Viscosity(*fluid_, line.temperatureK, line.density);
    if (!std::isfinite(viscosity)) return NoState();
    return LineFluidProperties{refrigeratingEffect / kJoulesPerKgPerBtuPerLb, viscosity * kLbPerFootHourPerPascalSecond,
                               line.density / kKgPerCubicMetrePerLbPerCubicFoot};
  }

  static Refusal NoState() {
    return OutOfRange(NoFlowMessage(QStringLiteral("the reference equation gives no state for these temperatures.")),
                      DesignField::None);
  }

 private:
  QString Name() const { return RefrigerantName(c_.refrigerant); }
  double EvaporatingK() const { return KelvinFromFahrenheit(c_.evaporatingF); }
  double CondensingK() const { return KelvinFromFahrenheit(c_.condensingF); }
  // The liquid leaves the condenser subcooled below the bubble point of the
  // condensing pressure, the dew pressure of the condensing temperature.
  std::optional<double> LiquidK() const {
    const std::optional<double> bubbleK = BubblePointAtDewPressureK(*fluid_, CondensingK());
    if (!bubbleK) return std::nullopt;
    if (*bubbleK == CondensingK()) return KelvinFromFahrenheit(c_.condensingF - c_.subcoolF);
    return *bubbleK - c_.subcoolF / kCelsiusDifferenceToFahrenheit;
  }
  double SuctionK() const { return KelvinFromFahrenheit(c_.evaporatingF + std::max(c_.superheatF, 0.0)); }

  std::optional<Refusal> CheckSaturation(const QString& name, double kelvin, DesignField field) const {
    const double lowest = fluid_->MinimumTemperatureK();
    if (kelvin < lowest)
      return OutOfRange(BelowEquationMessage(name, TemperatureText(kelvin), Name(), TemperatureText(lowest)), field);
    const double highest = fluid_->CriticalTemperatureK() - kCriticalMarginK;
    if (kelvin > highest)
      return OutOfRange(NearCriticalMessage(name, TemperatureText(kelvin), Name(), TemperatureText(highest)), field);
    return std::nullopt;
  }

  // The end of an isentropic compression to the condensing dew pressure. A
  // fluid whose dew line leans over (R1234yf) ends inside the dome when
  // compressed from saturated vapour: the end is then the mixture of the
  // condensing liquid and vapour with the suction entropy.
  struct IsentropicEnd {
    double enthalpy = 0;
    double temperatureK = 0;
  };
  std::optional<IsentropicEnd> IsentropicEndOf(const State& suction, const SaturatedStates& condensing) const {
    const std::optional<FluidPoint> end =
        fluid_->IsentropicEnd({suction.temperatureK, suction.density}, condensing.dewPressurePa);
    if (end) return IsentropicEnd{fluid_->Enthalpy(end->temperatureK, end->density), end->temperatureK};
    const double t = CondensingK();
    const double entropy = fluid_->Entropy(suction.temperatureK, suction.density);
    const double liquidEntropy = fluid_->Entropy(t, condensing.liquidDensity);
    const double vapourEntropy = fluid_->Entropy(t, condensing.vapourDensity);
    if (!(entropy <= vapourEntropy && entropy > liquidEntropy)) return std::nullopt;
    const double quality = (entropy - liquidEntropy) / (vapourEntropy - liquidEntropy);
    const double liquidEnthalpy = fluid_->Enthalpy(t, condensing.liquidDensity);
    return IsentropicEnd{liquidEnthalpy + quality * (fluid_->Enthalpy(t, condensing.vapourDensity) - liquidEnthalpy),
                         t};
  }

  std::optional<State> VapourAt(double kelvin, double pressure) const {
    const std::optional<double> density = fluid_->Density(kelvin, pressure, Phase::Vapour);
    if (!density) return std::nullopt;
    return State{kelvin, *density, fluid_->Enthalpy(kelvin, *density)};
  }

  // The vapour at `pressure` whose enthalpy is `enthalpy`, by the secant
  // method from two temperatures (enthalpy rises with temperature along an
  // isobar).
  std::optional<State> VapourWithEnthalpy(double pressure, double enthalpy, double firstK, double secondK) const {
    std::optional<State> a = VapourAt(firstK, pressure);
    std::optional<State> b = VapourAt(secondK, pressure);
    for (int i = 0; i < kMaxIterations && a && b; ++i) {
      if (std::abs(enthalpy - b->enthalpy) < kEnthalpyTolerance) return b;
      const double slope = (b->enthalpy - a->enthalpy) / (b->temperatureK - a->temperatureK);
      if (!(slope > 0)) return std::nullopt;
      const double next = b->temperatureK + (enthalpy - b->enthalpy) / slope;
      a = b;
      b = VapourAt(next, pressure);
    }
    return std::nullopt;
  }

  const DesignCase& c_;
  const ReferenceFluid* fluid_;
};

// The suction and liquid states every line's refrigerating effect needs.
struct CircuitStates {
  State suction;
  State liquid;
  double RefrigeratingEffect() const { return suction.enthalpy - liquid.enthalpy; }
};

Outcome<CircuitStates> CircuitOf(const Cycle& cycle) {
  if (std::optional<Refusal> refused = cycle.Check()) return *refused;
  const std::optional<State> suction = cycle.Suction();
  const std::optional<State> liquid = cycle.Liquid();
  if (!suction || !liquid) return Cycle::NoState();
  return CircuitStates{*suction, *liquid};
}

}  // namespace

Outcome<LineFluidProperties> ReferenceSuctionGas(const DesignCase& designCase) {
  const Cycle cycle(designCase);
  const Outcome<CircuitStates> circuit = CircuitOf(cycle);
  if (!circuit.ok()) return circuit.refusal();
  return cycle.Properties(circuit.value().suction, circuit.value().RefrigeratingEffect());
}

Outcome<LineFluidProperties> ReferenceHotGas(const DesignCase& designCase) {
  const Cycle cycle(designCase);
  const Outcome<CircuitStates> circuit = CircuitOf(cycle);
  if (!circuit.ok()) return circuit.refusal();
  const Outcome<State> hot = cycle.HotGas(circuit.value().suction);
  if (!hot.ok()) return hot.refusal();
  return cycle.Properties(hot.value(), circuit.value().RefrigeratingEffect());
}

Outcome<LineFluidProperties> ReferenceLiquid(const DesignCase& designCase) {
  const Cycle cycle(designCase);
  const Outcome<CircuitStates> circuit = CircuitOf(cycle);
  if (!circuit.ok()) return circuit.refusal();
  return cycle.Properties(circuit.value().liquid, circuit.value().RefrigeratingEffect());
}

}  // namespace kestrin

// What the reference property engine costs per sizing: the state points one
// Calculate needs, for a pure fluid and for a pseudo-pure blend.

#include "core/physics/reference/reference_fluid.h"
#include "core/physics/reference/viscosity.h"

#include <benchmark/benchmark.h>

namespace kestrin {
namespace {

struct CycleStates {
  double suctionDensity = 0;
  double liquidEnthalpy = 0;
  double vapourEnthalpy = 0;
  double dischargeTemperature = 0;
  double suctionViscosity = 0;
  double liquidViscosity = 0;
  double dischargeViscosity = 0;
};

// Evaporating at 5 C with 10 K of suction superheat, liquid at 40 C,
// condensing at 45 C.
CycleStates Cycle(const ReferenceFluid& fluid, bool withViscosity) {
  constexpr double kEvaporating = 278.15;
  constexpr double kSuction = 288.15;
  constexpr double kLiquid = 313.15;
  constexpr double kCondensing = 318.15;
  CycleStates c;
  const double suctionPressure = fluid.Saturation(kEvaporating)->dewPressurePa;
  c.suctionDensity = *fluid.Density(kSuction, suctionPressure, Phase::Vapour);
  const SaturatedStates liquid = *fluid.Saturation(kLiquid);
  c.liquidEnthalpy = fluid.Enthalpy(kLiquid, liquid.liquidDensity);
  c.vapourEnthalpy = fluid.Enthalpy(kSuction, c.suctionDensity);
  const double dischargePressure = fluid.Saturation(kCondensing)->dewPressurePa;
  const FluidPoint discharge = *fluid.IsentropicEnd({kSuction, c.suctionDensity}, dischargePressure);
  c.dischargeTemperature = discharge.temperatureK;
  if (!withViscosity) return c;
  c.suctionViscosity = Viscosity(fluid, kSuction, c.suctionDensity);
  c.liquidViscosity = Viscosity(fluid, kLiquid, liquid.liquidDensity);
  c.dischargeViscosity = Viscosity(fluid, discharge.temperatureK, discharge.density);
  return c;
}

// `withViscosity` false gives the state points alone: the equation of
// state's share.
void StateCalculation(benchmark::State& state, const char* name, bool withViscosity) {
  const ReferenceFluid* fluid = ReferenceFluid::Find(QString::fromLatin1(name));
  if (!fluid) {
    state.SkipWithError("no such fluid");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(Cycle(*fluid, withViscosity));
}

void FullStateCalculation(benchmark::State& state, const char* name) { StateCalculation(state, name, true); }
void StatePointsOnly(benchmark::State& state, const char* name) { StateCalculation(state, name, false); }

BENCHMARK_CAPTURE(FullStateCalculation, R134a, "R134a");
BENCHMARK_CAPTURE(FullStateCalculation, R22, "R22");
BENCHMARK_CAPTURE(FullStateCalculation, R32, "R32");
BENCHMARK_CAPTURE(FullStateCalculation, R1234yf, "R1234yf");
BENCHMARK_CAPTURE(FullStateCalculation, R290, "R290");
BENCHMARK_CAPTURE(FullStateCalculation, R410A, "R410A");
BENCHMARK_CAPTURE(FullStateCalculation, R404A, "R404A");
BENCHMARK_CAPTURE(StatePointsOnly, R134a, "R134a");
BENCHMARK_CAPTURE(StatePointsOnly, R22, "R22");
BENCHMARK_CAPTURE(StatePointsOnly, R32, "R32");
BENCHMARK_CAPTURE(StatePointsOnly, R1234yf, "R1234yf");
BENCHMARK_CAPTURE(StatePointsOnly, R290, "R290");
BENCHMARK_CAPTURE(StatePointsOnly, R410A, "R410A");
BENCHMARK_CAPTURE(StatePointsOnly, R404A, "R404A");

}  // namespace
}  // namespace kestrin

// What a blend's bubble and dew points cost on the multi-fluid mixture
// model: the two-component R454B and the five-component R448A, at a given
// temperature and at a given pressure from Raoult's law, and the one-off
// trace of each blend's bubble and dew lines up to its critical point.

#include "core/physics/reference/mixture_equilibrium.h"
#include "core/physics/reference/phase_envelope.h"

#include <benchmark/benchmark.h>

namespace kestrin {
namespace {

struct Blend {
  QStringList components;
  Amounts massFractions;
};

const Blend kR454B{{QStringLiteral("R32"), QStringLiteral("R1234yf")}, {0.689, 0.311}};
const Blend kR448A{{QStringLiteral("R32"), QStringLiteral("R125"), QStringLiteral("R1234yf"), QStringLiteral("R134a"),
                    QStringLiteral("R1234ze(E)")},
                   {0.26, 0.26, 0.20, 0.21, 0.07}};

// Dew points at 0 C (a given temperature) or bubble points at 1 MPa (a given
// pressure), the temperature or pressure moved a little each time so that
// nothing is answered from a cache.
void SaturationPoint(benchmark::State& state, const Blend* blend, bool givenPressure) {
  const std::optional<MixtureModel> model = MixtureModel::Of(blend->components, nullptr);
  if (!model) {
    state.SkipWithError("no model");
    return;
  }
  const Amounts x = model->MoleFractions(blend->massFractions);
  int step = 0;
  for (auto _ : state) {
    const double shift = 1e-3 * (step++ % 100);
    benchmark::DoNotOptimize(givenPressure ? SaturationAtPressure(*model, SaturationPoint::Bubble, 1e6 * (1 + shift), x)
                                           : SaturationAtTemperature(*model, SaturationPoint::Dew, 273.15 + shift, x));
  }
}

BENCHMARK_CAPTURE(SaturationPoint, R454BDewAtTemperature, &kR454B, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SaturationPoint, R454BBubbleAtPressure, &kR454B, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SaturationPoint, R448ADewAtTemperature, &kR448A, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SaturationPoint, R448ABubbleAtPressure, &kR448A, true)->Unit(benchmark::kMicrosecond);

// Every bubble and dew point a blend's trace solves on its way from the
// cold end to the critical point: paid once per blend.
void TraceToTheCriticalPoint(benchmark::State& state, const Blend* blend) {
  const std::optional<MixtureModel> model = MixtureModel::Of(blend->components, nullptr);
  if (!model) {
    state.SkipWithError("no model");
    return;
  }
  const Amounts x = model->MoleFractions(blend->massFractions);
  for (auto _ : state) benchmark::DoNotOptimize(PhaseEnvelope::Trace(*model, x));
}

BENCHMARK_CAPTURE(TraceToTheCriticalPoint, R454B, &kR454B)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(TraceToTheCriticalPoint, R448A, &kR448A)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kestrin

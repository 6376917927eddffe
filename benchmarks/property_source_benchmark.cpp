// One design run of the same line from each property source, in the same
// run of the benchmarks so the two medians compare: the reference equations
// may cost at most twenty times the correlations, a blend on the mixture
// model three hundred times.

#include "core/physics/tube_catalogue.h"
#include "core/sizing/line_sizing.h"
#include "core/sizing/pressure_rating.h"
#include "core/sizing/sample_cases.h"

#include <benchmark/benchmark.h>

namespace kestrin {
namespace {

void DesignRun(benchmark::State& state, Refrigerant refrigerant, LineType line, PropertySource source) {
  DesignCase c = samples::TwentyTonR22(line);
  c.refrigerant = refrigerant;
  c.properties = source;
  if (!SizeLineDesign(ProfileOf(line), c, c.capacityTons).ok()) {
    state.SkipWithError("the case does not size");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(SizeLineDesign(ProfileOf(line), c, c.capacityTons));
}

// The three lines of one circuit sized in turn. Each iteration moves the
// evaporating and condensing temperatures a little, so that no bubble or dew
// point is found already solved: the cost of a case the program has not
// seen.
void ThreeLineDesignRun(benchmark::State& state, Refrigerant refrigerant, PropertySource source) {
  DesignCase c = samples::TwentyTonR22(LineType::Suction);
  c.refrigerant = refrigerant;
  c.properties = source;
  const double evaporatingF = c.evaporatingF;
  const double condensingF = c.condensingF;
  int iteration = 0;
  for (auto _ : state) {
    const double nudge = 1e-6 * (++iteration % 1000000);
    c.evaporatingF = evaporatingF + nudge;
    c.condensingF = condensingF + nudge;
    for (const LineType line : {LineType::Suction, LineType::Discharge, LineType::Liquid}) {
      c.line = line;
      benchmark::DoNotOptimize(SizeLineDesign(ProfileOf(line), c, c.capacityTons));
    }
  }
}

// The pressure rating read for the size chosen: one saturation pressure at
// the line's design temperature.
void PressureRatingReading(benchmark::State& state, Refrigerant refrigerant, PropertySource source) {
  DesignCase c = samples::TwentyTonR22(LineType::Discharge);
  c.refrigerant = refrigerant;
  c.properties = source;
  for (auto _ : state) benchmark::DoNotOptimize(RatePressure(c, 6));
}

BENCHMARK_CAPTURE(ThreeLineDesignRun, R22Correlations, Refrigerant::R22, PropertySource::Correlations);
BENCHMARK_CAPTURE(ThreeLineDesignRun, R410AReference, Refrigerant::R410A, PropertySource::Reference);
BENCHMARK_CAPTURE(ThreeLineDesignRun, R454BReference, Refrigerant::R454B, PropertySource::Reference)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ThreeLineDesignRun, R448AReference, Refrigerant::R448A, PropertySource::Reference)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PressureRatingReading, R22Correlations, Refrigerant::R22, PropertySource::Correlations);
BENCHMARK_CAPTURE(PressureRatingReading, R410AReference, Refrigerant::R410A, PropertySource::Reference);
BENCHMARK_CAPTURE(DesignRun, R22SuctionCorrelations, Refrigerant::R22, LineType::Suction, PropertySource::Correlations);
BENCHMARK_CAPTURE(DesignRun, R22SuctionReference, Refrigerant::R22, LineType::Suction, PropertySource::Reference);
BENCHMARK_CAPTURE(DesignRun, R22DischargeCorrelations, Refrigerant::R22, LineType::Discharge,
                  PropertySource::Correlations);
BENCHMARK_CAPTURE(DesignRun, R22DischargeReference, Refrigerant::R22, LineType::Discharge, PropertySource::Reference);
BENCHMARK_CAPTURE(DesignRun, R22LiquidCorrelations, Refrigerant::R22, LineType::Liquid, PropertySource::Correlations);
BENCHMARK_CAPTURE(DesignRun, R22LiquidReference, Refrigerant::R22, LineType::Liquid, PropertySource::Reference);
BENCHMARK_CAPTURE(DesignRun, R32SuctionReference, Refrigerant::R32, LineType::Suction, PropertySource::Reference);
BENCHMARK_CAPTURE(DesignRun, R410ADischargeReference, Refrigerant::R410A, LineType::Discharge,
                  PropertySource::Reference);

}  // namespace
}  // namespace kestrin

// A whole line capacity table, eleven sizes by five evaporating
// temperatures, as the window draws it on every change of an input: it must
// stay well under the 50 ms a user would see as a pause.

#include "core/sizing/capacity_table.h"

#include <benchmark/benchmark.h>

namespace kestrin {
namespace {

void WholeTable(benchmark::State& state, Refrigerant refrigerant, LineType line, PropertySource source) {
  const Outcome<CapacityConditions> conditions = CapacityConditionsOf(
      refrigerant, source, line, TubeSeries::TypeL, UnitSystem::IP, DefaultCapacityInputs(line, UnitSystem::IP));
  if (!conditions.ok()) {
    state.SkipWithError("the conditions are refused");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(LineCapacityTable(conditions.value()));
}

BENCHMARK_CAPTURE(WholeTable, R410ASuctionReference, Refrigerant::R410A, LineType::Suction, PropertySource::Reference)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WholeTable, R410ADischargeReference, Refrigerant::R410A, LineType::Discharge,
                  PropertySource::Reference)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WholeTable, R410ALiquidReference, Refrigerant::R410A, LineType::Liquid, PropertySource::Reference)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WholeTable, R22SuctionCorrelations, Refrigerant::R22, LineType::Suction, PropertySource::Correlations)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kestrin

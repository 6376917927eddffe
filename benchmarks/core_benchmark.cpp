// What one press of "Calculate" costs, and the project file on the way in
// and out.

#include "core/physics/friction_factor.h"
#include "core/physics/tube_catalogue.h"
#include "core/project/project_file.h"
#include "core/sizing/calculate_command.h"
#include "core/sizing/fitting_table.h"
#include "core/sizing/line_sizing.h"
#include "core/sizing/sample_cases.h"

#include <benchmark/benchmark.h>

#include <QLocale>

namespace kestrin {
namespace {

// 50 tons of R22 over 200 ft with a riser and fittings at 2 psi: only the
// largest tube passes, so the design search evaluates all eleven sizes.
DesignCase LargestSizeCase() {
  DesignCase c = samples::TwentyTonR22(LineType::Suction);
  c.capacityTons = 50;
  c.totalLengthFt = 200;
  c.riserLengthFt = 25;
  c.fittings = {1, 0, 0, 0, 0, 8, 2, 0, 1, 0};
  return c;
}

MainFieldTexts SuctionFields() {
  return {QStringLiteral("R22"), QStringLiteral("20"), QStringLiteral("40"),      QStringLiteral("105"),
          QStringLiteral("10"),  QStringLiteral("10"), QStringLiteral("Suction"), QStringLiteral("2"),
          QStringLiteral("100"), QStringLiteral("12"), QStringLiteral("0")};
}

void DesignModeOverAllElevenSizes(benchmark::State& state) {
  const DesignCase designCase = LargestSizeCase();
  const LineProfile& profile = ProfileOf(LineType::Suction);
  const Outcome<LineEvaluation> check = SizeLineDesign(profile, designCase, designCase.capacityTons);
  if (!check.ok() || check.value().sizeIndex != kTubeSizeCount) {
    state.SkipWithError("the case no longer walks to the largest size");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(SizeLineDesign(profile, designCase, designCase.capacityTons));
}
BENCHMARK(DesignModeOverAllElevenSizes);

// The arithmetic limit of the same run: its eleven tube evaluations as a bare
// loop, with the flow known beforehand, no result type and no texts.
void BareLoopOverAllElevenSizes(benchmark::State& state) {
  const DesignCase c = LargestSizeCase();
  const FluidState flow = FlowOf(ProfileOf(LineType::Suction), c, c.capacityTons).value();
  for (auto _ : state) {
    double pressureDrop = 0;
    for (int size = 1; size <= kTubeSizeCount; ++size) {
      const double d = TubeInsideDiameter(TubeSeries::TypeK, size);
      const double reynolds = ReynoldsNumber(flow.massFlowLbPerHour, flow.viscosity, d);
      const double friction = DarcyFrictionFactor(RelativeRoughness(d), reynolds);
      const double length = c.totalLengthFt + FittingLength(c.fittings, size) + RiserAllowance(c.riserLengthFt, size);
      const double velocity = 4 * flow.massFlowLbPerHour / (d * d * flow.density * 11304);
      pressureDrop = friction * length * flow.density * velocity * velocity / (9273.6 * d) + c.additionalLossPsi;
      if (pressureDrop < c.designDropPsi) break;
    }
    benchmark::DoNotOptimize(pressureDrop);
  }
}
BENCHMARK(BareLoopOverAllElevenSizes);

void CheckingModeOneSize(benchmark::State& state) {
  const DesignCase designCase = LargestSizeCase();
  const LineProfile& profile = ProfileOf(LineType::Suction);
  for (auto _ : state) benchmark::DoNotOptimize(CheckLine(profile, designCase, 8));
}
BENCHMARK(CheckingModeOneSize);

void CalculateFromFieldTexts(benchmark::State& state) {
  const MainFieldTexts fields = SuctionFields();
  StoredFittingCounts counts;
  counts[5] = QStringLiteral("6");
  const QLocale locale = QLocale::c();
  for (auto _ : state)
    benchmark::DoNotOptimize(RunCalculate(fields, UnitSystem::IP, WorkingMode::Design, counts, 0, locale));
}
BENCHMARK(CalculateFromFieldTexts);

ProjectData Project() {
  SessionState session;
  session.customer = QStringLiteral("Harbour Cold Store");
  session.note = QStringLiteral("Suction riser of 20 ft.\nMinimum load 10 tons.");
  session.fittingCounts[5] = QStringLiteral("6");
  return ProjectFromSession(session, SuctionFields(), ShownCaptions(UnitSystem::IP, WorkingMode::Design));
}

void WritingProjectFile(benchmark::State& state) {
  const ProjectData project = Project();
  for (auto _ : state) benchmark::DoNotOptimize(WriteProject(project));
}
BENCHMARK(WritingProjectFile);

void ReadingProjectFile(benchmark::State& state) {
  const QByteArray bytes = WriteProject(Project());
  for (auto _ : state) benchmark::DoNotOptimize(ReadProject(bytes));
}
BENCHMARK(ReadingProjectFile);

}  // namespace
}  // namespace kestrin

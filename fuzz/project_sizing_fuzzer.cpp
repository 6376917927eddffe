// Any bytes given as a project file, opened and sized as Calculate sizes it
// (the first byte picks the property source): a result or a refusal, never
// a crash, and never a figure the output fields cannot show. A double riser
// offered is sized too, at the minimum capacity the customer line holds.

#include "core/project/project_file.h"
#include "core/sizing/calculate_command.h"
#include "core/sizing/double_riser.h"

#include <QByteArray>
#include <QLocale>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// What the output fields show: a finite figure of at most ten digits before
// the point.
void RequireShowable(double value) {
  if (!(std::isfinite(value) && value >= 0 && value < 1e10)) std::abort();
}

void RequireNumberText(const QString& text) {
  if (text.contains(QStringLiteral("inf")) || text.contains(QStringLiteral("nan"))) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const kestrin::PropertySource source =
      (data[0] & 1) != 0 ? kestrin::PropertySource::Reference : kestrin::PropertySource::Correlations;
  const QByteArray bytes =
      QByteArray::fromRawData(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
  const kestrin::Outcome<kestrin::ProjectData> read = kestrin::ReadProject(bytes);
  if (!read.ok() || kestrin::CheckProjectApplies(read.value())) return 0;
  const kestrin::ProjectData& project = read.value();
  const kestrin::UnitSystem unit = kestrin::ProjectUnitSystem(project);
  const kestrin::WorkingMode mode = kestrin::ProjectWorkingMode(project);

  const kestrin::CalculateResult result =
      kestrin::RunCalculate(project.fields, unit, mode, project.fittingCounts, 0, QLocale::c(), source);
  const kestrin::Sized* sized = result.sized();
  if (!sized) {
    if (!result.refusal()) std::abort();
    return 0;
  }
  const kestrin::LineEvaluation& e = sized->evaluation;
  for (const double figure : {e.pressureDropPsi, e.velocityFps, e.equivalentLengthFt}) RequireShowable(figure);
  for (const QString& text : {sized->shown.totalPressureDrop, sized->shown.velocity, sized->shown.equivalentLength,
                              sized->shown.saturationDrop})
    RequireNumberText(text);
  if (!sized->offerDoubleRiser) return 0;

  const kestrin::Outcome<kestrin::PartLoadRiser> riser =
      kestrin::RunPartLoadRiser(project.customer.value_or(QString()), sized->stored.line, sized->stored,
                                project.fittingCounts, unit, mode, QLocale::c());
  if (riser.ok()) {
    RequireShowable(riser.value().evaluation.velocityFps);
    RequireNumberText(riser.value().shown.velocity);
  }
  return 0;
}

#include "core/sizing/result_presenter.h"

#include "core/physics/tube_catalogue.h"
#include "core/units/number_text.h"

#include <cmath>

namespace kestrin {
namespace {

constexpr double kTrapThresholdFt = 8.203;
constexpr double kTrapSpacingFt = 19.68504;
constexpr double kTrapThresholdM = 2.5;
constexpr double kTrapSpacingM = 6;

const std::optional<VelocityBand>& BandShown(const LineProfile& profile, UnitSystem unit) {
  return unit == UnitSystem::IP ? profile.bandIP : profile.bandSI;
}

}  // namespace

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

ShownResult PresentLineResult(const LineProfile& profile, const LineEvaluation& evaluation,
                              const Presentation& presentation) {
  const bool ip = presentation.unit == UnitSystem::IP;
  const QLocale& locale = presentation.locale;
  ShownResult shown;
  shown.lineSize = TubeName(evaluation.sizeIndex);
  shown.description = TubeDescription(evaluation.sizeIndex);
  shown.totalPressureDrop =
      FormatFixed(ip ? evaluation.pressureDropPsi : evaluation.pressureDropPsi * kPsiToBar, 2, locale);
  shown.velocity = ShownVelocity(evaluation.velocityFps, presentation.unit, locale);
  shown.equivalentLength = FormatFixed(
      ip ? evaluation.equivalentLengthFt : evaluation.equivalentLengthFt * kEquivalentFeetToMetres, 1, locale);
  const bool trapsShown = presentation.mode == WorkingMode::Checking || profile.trapsShownInDesign;
  shown.traps = QString::number(trapsShown ? TrapsShown(presentation.riserTyped, presentation.unit) : 0);
  shown.velocityInBand = VelocityInBand(shown.velocity, BandShown(profile, presentation.unit), locale);
  return shown;
}

ShownRiser PresentPartLoadRiser(const LineProfile& riserProfile, const LineEvaluation& evaluation, UnitSystem unit,
                                const QLocale& locale) {
  ShownRiser shown;
  shown.lineSize = TubeName(evaluation.sizeIndex);
  shown.velocity = ShownVelocity(evaluation.velocityFps, unit, locale);
  shown.velocityInBand = VelocityInBand(shown.velocity, BandShown(riserProfile, unit), locale).value_or(true);
  return shown;
}

}  // namespace kestrin

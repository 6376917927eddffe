#include "core/sizing/result_presenter.h"

#include "core/physics/tube_catalogue.h"
#include "core/units/number_text.h"
#include "core/units/unit_texts.h"

#include <cmath>

namespace kestrin {
namespace {

constexpr double kTrapThresholdFt = 8.203;
constexpr double kTrapSpacingFt = 19.68504;
constexpr double kTrapThresholdM = 2.5;
constexpr double kTrapSpacingM = 6;
// Below this at both pressures, the glide is no engineer's concern.
constexpr double kSmallestGlideShownF = 0.05 * kCelsiusDifferenceToFahrenheit;

const std::optional<VelocityBand>& BandShown(const LineProfile& profile, UnitSystem unit) {
  return unit == UnitSystem::IP ? profile.bandIP : profile.bandSI;
}

QString RiserKind(LineType line) {
  return line == LineType::Suction ? QStringLiteral("suction") : QStringLiteral("discharge");
}

std::optional<ShownOilReturn> ShowOilReturn(const std::optional<OilReturn>& oilReturn, UnitSystem unit,
                                            const QLocale& locale) {
  if (!oilReturn) return std::nullopt;
  return ShownOilReturn{ShownVelocity(oilReturn->minimumVelocityFps, unit, locale), oilReturn->ok};
}

std::optional<ShownFlashGas> ShowFlashGas(const std::optional<FlashGas>& flashGas, UnitSystem unit,
                                          const QLocale& locale) {
  if (!flashGas) return std::nullopt;
  const auto& margin = flashGas->subcoolingMarginF;
  return ShownFlashGas{margin ? ShownTemperatureDrop(*margin, unit, locale) : QString(), flashGas->ok};
}

QString FlashGasWarning(const ShownFlashGas& shown, UnitSystem unit) {
  if (shown.ok) return {};
  if (shown.subcoolingMargin.isEmpty())
    return QStringLiteral(
        "Flash gas likely: the pressure left in the liquid line is below the refrigerant's "
        "saturation data.");
  return QStringLiteral("Flash gas likely: the subcooling margin is %1 %2.")
      .arg(shown.subcoolingMargin, TemperatureDropUnit(unit));
}

QString ShownGaugePressure(double psig, UnitSystem unit, const QLocale& locale) {
  return unit == UnitSystem::IP ? FormatFixed(psig, 0, locale) : FormatFixed(psig * kPsiToBar, 1, locale);
}

QString ShownTemperature(double temperatureF, UnitSystem unit, const QLocale& locale) {
  return FormatFixed(unit == UnitSystem::IP ? temperatureF : FahrenheitToCelsius(temperatureF), 0, locale);
}

std::optional<ShownPressureRating> ShowPressureRating(const std::optional<PressureRating>& rating, UnitSystem unit,
                                                      const QLocale& locale) {
  if (!rating) return std::nullopt;
  return ShownPressureRating{ShownGaugePressure(rating->designPressurePsig, unit, locale),
                             ShownGaugePressure(rating->tubeRatingPsig, unit, locale), rating->ok};
}

QString Sentences(const QStringList& sentences) {
  QStringList said;
  for (const QString& sentence : sentences)
    if (!sentence.isEmpty()) said += sentence;
  return said.join(u' ');
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

QString ShownTemperatureDrop(double differenceF, UnitSystem unit, const QLocale& locale) {
  return FormatFixed(unit == UnitSystem::IP ? differenceF : differenceF / kCelsiusDifferenceToFahrenheit, 1, locale);
}

QString ShownGlide(const std::optional<Glide>& glide, UnitSystem unit, const QLocale& locale) {
  if (!glide || (glide->evaporatingF < kSmallestGlideShownF && glide->condensingF < kSmallestGlideShownF)) return {};
  const QString glideUnit = TemperatureDropUnit(unit);
  return QStringLiteral("%1 %2 evaporating, %3 %2 condensing")
      .arg(ShownTemperatureDrop(glide->evaporatingF, unit, locale), glideUnit,
           ShownTemperatureDrop(glide->condensingF, unit, locale));
}

QString OilReturnWarning(LineType line, const LineEvaluation& evaluation, const OilReturn& oilReturn, UnitSystem unit,
                         const QLocale& locale) {
  if (oilReturn.ok) return {};
  const QString velocityUnit = VelocityUnit(unit);
  return QStringLiteral("Oil return: %1 %2 is below the %3 %2 that %4 needs in a %5 riser.")
      .arg(ShownVelocity(oilReturn.velocityFps, unit, locale), velocityUnit,
           ShownVelocity(oilReturn.minimumVelocityFps, unit, locale), TubeName(evaluation.series, evaluation.sizeIndex),
           RiserKind(line));
}

QString PressureRatingWarning(const PressureRating& rating, UnitSystem unit, const QLocale& locale) {
  if (rating.ok) return {};
  const QString pressureUnit = GaugePressureUnit(unit);
  const QString temperatureUnit = TemperatureUnit(unit);
  return QStringLiteral(
             "Tube rating: %1 %2 (annealed) is rated %3 %4 at %5 %6; this line's design pressure is %7 %4 "
             "(%8 at %9 %6).")
      .arg(TubeName(rating.series, rating.sizeIndex), TubeSeriesTitle(rating.series),
           ShownGaugePressure(rating.tubeRatingPsig, unit, locale), pressureUnit,
           ShownTemperature(rating.ratingTemperatureF, unit, locale), temperatureUnit,
           ShownGaugePressure(rating.designPressurePsig, unit, locale), RefrigerantName(rating.refrigerant),
           ShownTemperature(rating.designTemperatureF, unit, locale));
}

ShownResult PresentLineResult(const LineProfile& profile, const LineEvaluation& evaluation,
                              const LineReadings& readings, const Presentation& presentation) {
  const bool ip = presentation.unit == UnitSystem::IP;
  const QLocale& locale = presentation.locale;
  ShownResult shown;
  shown.lineSize = TubeName(evaluation.series, evaluation.sizeIndex);
  shown.description = TubeDescription(evaluation.series, evaluation.sizeIndex);
  shown.totalPressureDrop =
      FormatFixed(ip ? evaluation.pressureDropPsi : evaluation.pressureDropPsi * kPsiToBar, 2, locale);
  shown.velocity = ShownVelocity(evaluation.velocityFps, presentation.unit, locale);
  shown.equivalentLength = FormatFixed(
      ip ? evaluation.equivalentLengthFt : evaluation.equivalentLengthFt * kEquivalentFeetToMetres, 1, locale);
  const bool trapsShown = presentation.mode == WorkingMode::Checking || profile.trapsShownInDesign;
  shown.traps = QString::number(trapsShown ? TrapsShown(presentation.riserTyped, presentation.unit) : 0);
  shown.velocityInBand = VelocityInBand(shown.velocity, BandShown(profile, presentation.unit), locale);

  const UnitSystem unit = presentation.unit;
  if (readings.saturationDropF) shown.saturationDrop = ShownTemperatureDrop(*readings.saturationDropF, unit, locale);
  shown.oilReturn = ShowOilReturn(readings.oilReturn, unit, locale);
  shown.flashGas = ShowFlashGas(readings.flashGas, unit, locale);
  shown.pressureRating = ShowPressureRating(readings.pressureRating, unit, locale);
  shown.warning = Sentences({
      readings.saturationDropF || readings.flashGas
          ? QString()
          : QStringLiteral("Saturation Temp. Drop: the pressure at the end of the line lies "
                           "outside the refrigerant's saturation data."),
      readings.oilReturn ? OilReturnWarning(profile.line, evaluation, *readings.oilReturn, unit, locale) : QString(),
      shown.flashGas ? FlashGasWarning(*shown.flashGas, unit) : QString(),
      readings.pressureRating ? PressureRatingWarning(*readings.pressureRating, unit, locale) : QString(),
  });
  return shown;
}

ShownRiser PresentPartLoadRiser(const LineProfile& riserProfile, const LineEvaluation& evaluation,
                                const std::optional<OilReturn>& oilReturn,
                                const std::optional<PressureRating>& pressureRating, UnitSystem unit,
                                const QLocale& locale) {
  ShownRiser shown;
  shown.lineSize = TubeName(evaluation.series, evaluation.sizeIndex);
  shown.velocity = ShownVelocity(evaluation.velocityFps, unit, locale);
  shown.velocityInBand = VelocityInBand(shown.velocity, BandShown(riserProfile, unit), locale).value_or(true);
  shown.oilReturn = ShowOilReturn(oilReturn, unit, locale);
  shown.pressureRating = ShowPressureRating(pressureRating, unit, locale);
  shown.warning = Sentences({
      oilReturn ? OilReturnWarning(riserProfile.line, evaluation, *oilReturn, unit, locale) : QString(),
      pressureRating ? PressureRatingWarning(*pressureRating, unit, locale) : QString(),
  });
  return shown;
}

}  // namespace kestrin

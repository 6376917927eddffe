#include "core/sizing/double_riser.h"

#include "core/messages.h"
#include "core/sizing/calculate_command.h"
#include "core/units/number_text.h"

namespace kestrin {
namespace {

constexpr double kMinimumCapacityLimitTons = 500;
constexpr double kMinimumCapacityLimitKilowatts = 1500;

// 8 FPS (2.5 m/s) still lifts the oil in a suction riser at part load.
LineProfile SuctionRiserProfile() {
  LineProfile profile = ProfileOf(LineType::Suction);
  profile.bandIP = VelocityBand{8, 65};
  profile.bandSI = VelocityBand{2.5, 20};
  return profile;
}

Refusal MinimumCapacityIncomplete() {
  return Refusal{MessageText(Message::DataIncomplete), DesignField::MinimumCapacity, RefusalReason::DataIncomplete};
}

}  // namespace

std::optional<double> MinimumCapacityTons(const QString& typed, UnitSystem unit, const QLocale& locale) {
  const auto value = ParseNumber(typed, locale);
  if (!value) return std::nullopt;
  return unit == UnitSystem::IP ? *value : *value * kKilowattsToTons;
}

bool MinimumCapacityEntryKept(const QString& typed, UnitSystem unit, const QLocale& locale) {
  const auto value = ParseNumber(typed, locale);
  return value && *value <= (unit == UnitSystem::IP ? kMinimumCapacityLimitTons : kMinimumCapacityLimitKilowatts);
}

const LineProfile& PartLoadRiserProfile(LineType line) {
  static const LineProfile suctionRiser = SuctionRiserProfile();
  return line == LineType::Suction ? suctionRiser : ProfileOf(line);
}

Outcome<LineEvaluation> SizePartLoadRiser(const DesignCase& designCase, double minimumCapacityTons) {
  if (designCase.line == LineType::Liquid)
    return Refusal{QStringLiteral("A liquid line has no double riser."), DesignField::Line,
                   RefusalReason::NoRiserOnLiquidLine};
  if (!(minimumCapacityTons > 0))
    return Refusal{QStringLiteral("The minimum capacity must be above 0."), DesignField::MinimumCapacity,
                   RefusalReason::NoFlow};
  return SizeLineDesign(PartLoadRiserProfile(designCase.line), designCase, minimumCapacityTons);
}

Outcome<PartLoadRiser> RunPartLoadRiser(const QString& typedMinimum, LineType line, DesignCase designCase,
                                        const StoredFittingCounts& fittingCounts, UnitSystem unit, WorkingMode mode,
                                        const QLocale& locale) {
  // The design pressure drop a checking-mode case holds is whatever an
  // earlier design run, maybe of another project, left.
  if (mode == WorkingMode::Checking)
    return Refusal{PartLoadRiserNeedsDesignMessage(), DesignField::None, RefusalReason::RiserNeedsDesignMode};
  // The window wipes an entry beyond its limit as it is typed: Calculate
  // then finds the field empty.
  if (!MinimumCapacityEntryKept(typedMinimum, unit, locale)) return MinimumCapacityIncomplete();
  const std::optional<double> minimumTons = MinimumCapacityTons(typedMinimum, unit, locale);
  if (!minimumTons) return MinimumCapacityIncomplete();
  const Outcome<FittingCounts> fittings = FittingCountsOf(fittingCounts, locale);
  if (!fittings.ok()) return fittings.refusal();
  designCase.line = line;
  designCase.fittings = fittings.value();
  const Outcome<LineEvaluation> sized = SizePartLoadRiser(designCase, *minimumTons);
  if (!sized.ok()) return sized.refusal();
  const LineEvaluation& riser = sized.value();
  const std::optional<OilReturn> oilReturn = JudgeOilReturn(line, riser.sizeIndex, riser.velocityFps);
  const std::optional<PressureRating> pressureRating = RatePressure(designCase, riser.sizeIndex);
  return PartLoadRiser{
      riser, oilReturn, pressureRating,
      PresentPartLoadRiser(PartLoadRiserProfile(line), riser, oilReturn, pressureRating, unit, locale)};
}

}  // namespace kestrin

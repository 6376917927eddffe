#include "core/sizing/double_riser.h"

#include "core/messages.h"
#include "core/physics/tube_catalogue.h"
#include "core/sizing/line_sizing.h"
#include "core/units/number_text.h"

namespace kestrin {

namespace {

constexpr double kMinimumCapacityLimitTons = 500;
constexpr double kMinimumCapacityLimitKilowatts = 1500;

}  // namespace

LineProfile PartLoadRiserProfile(LineType line) {
  LineProfile profile = ProfileOf(line);
  // A suction riser may run slower at part load than the suction line
  // itself: 8 FPS (2.5 m/s) still lifts the oil in a riser.
  if (line == LineType::Suction) {
    profile.bandIP = VelocityBand{8, 65};
    profile.bandSI = VelocityBand{2.5, 20};
  }
  return profile;
}

std::optional<double> MinimumCapacityTons(const QString& typed, UnitSystem unit, const QLocale& locale) {
  const auto value = ParseNumber(typed, locale);
  if (!value) return std::nullopt;
  return unit == UnitSystem::IP ? *value : *value * kKilowattsToTons;
}

bool MinimumCapacityEntryKept(const QString& typed, UnitSystem unit, const QLocale& locale) {
  const auto value = ParseNumber(typed, locale);
  return value && *value <= (unit == UnitSystem::IP ? kMinimumCapacityLimitTons : kMinimumCapacityLimitKilowatts);
}

Outcome<PartLoadRiser> SizePartLoadRiser(const DesignCase& designCase, double minimumCapacityTons, UnitSystem unit,
                                         const QLocale& locale) {
  if (designCase.line == LineType::Liquid)
    return Refusal{QStringLiteral("A liquid line has no double riser."), QString()};
  if (!(minimumCapacityTons > 0))
    return Refusal{QStringLiteral("The minimum capacity must be above 0."), QStringLiteral("Txtriser")};
  const LineProfile profile = PartLoadRiserProfile(designCase.line);
  const Outcome<LineEvaluation> sized = SizeLineDesign(profile, designCase, minimumCapacityTons);
  if (!sized.ok()) return sized.refusal();
  PartLoadRiser riser;
  riser.lineSize = TubeName(sized.value().sizeIndex);
  riser.velocityFps = sized.value().velocityFps;
  riser.velocity = ShownVelocity(riser.velocityFps, unit, locale);
  riser.velocityInBand =
      VelocityInBand(riser.velocity, unit == UnitSystem::IP ? profile.bandIP : profile.bandSI, locale).value_or(true);
  return riser;
}

}  // namespace kestrin

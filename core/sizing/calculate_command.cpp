#include "core/sizing/calculate_command.h"

#include "core/messages.h"
#include "core/physics/tube_catalogue.h"
#include "core/units/number_text.h"

namespace kestrin {
namespace {

constexpr double kEvaporatingLowest = -40;  // F or C alike
constexpr double kCondensingLowestF = 80;
constexpr double kCondensingLowestC = 25;

Refusal Flag(const char16_t* field, Message message) {
  return Refusal{MessageText(message), QString::fromUtf16(field)};
}

// Superheat, subcooling, riser length and additional loss may be left out:
// a text that is not a number becomes "0".
void ZeroIfNotNumeric(QString& text, const QLocale& locale) {
  if (!IsNumeric(text, locale)) text = QStringLiteral("0");
}

double Number(const QString& text, const QLocale& locale) { return ParseNumber(text, locale).value_or(0); }

// The checks in their fixed order; the first that fails flags its field.
// Optional fields are zeroed in `f` on the way, as the user will see them.
std::optional<Refusal> Check(MainFieldTexts& f, UnitSystem unit, WorkingMode mode, const QLocale& locale) {
  const bool ip = unit == UnitSystem::IP;
  if (f.refrigerant.isEmpty()) return Flag(u"Cmbrt", Message::DataIncomplete);
  if (!IsNumeric(f.capacity, locale)) return Flag(u"Txtcapacity", Message::DataIncomplete);
  const auto evaporating = ParseNumber(f.evaporating, locale);
  if (!evaporating) return Flag(u"Txtet", Message::DataIncomplete);
  if (*evaporating < kEvaporatingLowest)
    return Flag(u"Txtet", ip ? Message::EvaporatingRangeIP : Message::EvaporatingRangeSI);
  const auto condensing = ParseNumber(f.condensing, locale);
  if (!condensing) return Flag(u"Txtct", Message::DataIncomplete);
  if (*condensing < (ip ? kCondensingLowestF : kCondensingLowestC))
    return Flag(u"Txtct", ip ? Message::CondensingRangeIP : Message::CondensingRangeSI);
  ZeroIfNotNumeric(f.superheat, locale);
  ZeroIfNotNumeric(f.subcool, locale);
  if (f.line.isEmpty()) return Flag(u"Cmbl", Message::DataIncomplete);
  if (f.designDrop.isEmpty()) return Flag(u"Cmbdpd", Message::DataIncomplete);
  if (mode == WorkingMode::Design && !IsNumeric(f.designDrop, locale)) return Flag(u"Cmbdpd", Message::DataIncomplete);
  if (mode == WorkingMode::Checking && !SizeIndexOf(f.designDrop))
    return Refusal{UnknownTubeMessage(f.designDrop), QStringLiteral("Cmbdpd")};
  if (!IsNumeric(f.totalLength, locale)) return Flag(u"Txttll", Message::DataIncomplete);
  ZeroIfNotNumeric(f.riserLength, locale);
  ZeroIfNotNumeric(f.additionalLoss, locale);
  if (Number(f.totalLength, locale) < Number(f.riserLength, locale)) return Flag(u"Txtrl", Message::RiserTooLong);
  return std::nullopt;
}

// The design case in IP units: typed IP values as they are, SI values by
// the exact factors. dpd only in design mode.
DesignCase Store(const MainFieldTexts& f, UnitSystem unit, WorkingMode mode, const FittingCounts& counts,
                 double previousDesignDropPsi, const QLocale& locale) {
  const bool ip = unit == UnitSystem::IP;
  auto temperature = [&](const QString& text) {
    return ip ? Number(text, locale) : CelsiusToFahrenheit(Number(text, locale));
  };
  auto scaled = [&](const QString& text, double factor) { return Number(text, locale) * (ip ? 1.0 : factor); };
  DesignCase c;
  c.refrigerant = RefrigerantFromName(f.refrigerant).value_or(Refrigerant::R22);
  c.line = LineTypeFromName(f.line).value_or(LineType::Suction);
  c.capacityTons = scaled(f.capacity, kKilowattsToTons);
  c.evaporatingF = temperature(f.evaporating);
  c.condensingF = temperature(f.condensing);
  c.superheatF = scaled(f.superheat, kCelsiusDifferenceToFahrenheit);
  c.subcoolF = scaled(f.subcool, kCelsiusDifferenceToFahrenheit);
  c.designDropPsi = mode == WorkingMode::Design ? scaled(f.designDrop, kBarToPsi) : previousDesignDropPsi;
  c.totalLengthFt = scaled(f.totalLength, kMetresToFeet);
  c.riserLengthFt = scaled(f.riserLength, kMetresToFeet);
  c.additionalLossPsi = scaled(f.additionalLoss, kBarToPsi);
  c.fittings = counts;
  return c;
}

}  // namespace

Outcome<FittingCounts> FittingCountsOf(const StoredFittingCounts& stored, const QLocale& locale) {
  FittingCounts counts{};
  for (int type = 1; type <= kFittingTypeCount; ++type) {
    const auto& text = stored[static_cast<std::size_t>(type - 1)];
    if (!text) continue;
    const auto count = ParseNumber(*text, locale);
    if (!count) return Refusal{FittingCountNotNumberMessage(type, *text), QString()};
    counts[static_cast<std::size_t>(type - 1)] = *count;
  }
  return counts;
}

CalculateOutcome RunCalculate(const MainFieldTexts& fields, UnitSystem unit, WorkingMode mode,
                              const StoredFittingCounts& counts, double previousDesignDropPsi, const QLocale& locale) {
  CalculateOutcome outcome;
  outcome.fields = fields;
  MainFieldTexts& f = outcome.fields;
  if (auto refusal = Check(f, unit, mode, locale)) {
    outcome.checkRefusal = std::move(refusal);
    return outcome;
  }
  // The program offers only the four refrigerants and three lines; a text
  // from elsewhere that names none of them is refused on its list.
  if (!RefrigerantFromName(f.refrigerant)) {
    outcome.checkRefusal = Flag(u"Cmbrt", Message::DataIncomplete);
    return outcome;
  }
  if (!LineTypeFromName(f.line)) {
    outcome.checkRefusal = Flag(u"Cmbl", Message::DataIncomplete);
    return outcome;
  }
  const Outcome<FittingCounts> fittingCounts = FittingCountsOf(counts, locale);
  if (!fittingCounts.ok()) {
    outcome.checkRefusal = fittingCounts.refusal();
    return outcome;
  }

  const DesignCase stored = Store(f, unit, mode, fittingCounts.value(), previousDesignDropPsi, locale);
  outcome.stored = stored;
  outcome.offerDoubleRiser = Number(f.riserLength, locale) > 0 && stored.line != LineType::Liquid;
  const int checkedSize = mode == WorkingMode::Checking ? SizeIndexOf(f.designDrop).value_or(0) : 0;
  outcome.sizing = SizeLine(stored, mode, checkedSize, unit, Number(f.riserLength, locale), locale);
  return outcome;
}

}  // namespace kestrin

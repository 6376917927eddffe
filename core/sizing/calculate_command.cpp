#include "core/sizing/calculate_command.h"

#include "core/messages.h"
#include "core/physics/tube_catalogue.h"
#include "core/sizing/property_range.h"
#include "core/sizing/saturation_curve_of.h"
#include "core/units/number_text.h"
#include "core/units/unit_texts.h"

namespace kestrin {
namespace {

constexpr double kEvaporatingLowest = -40;  // F or C alike
constexpr double kCondensingLowestF = 80;
constexpr double kCondensingLowestC = 25;

Refusal Flag(DesignField field, Message message, RefusalReason reason = RefusalReason::DataIncomplete) {
  return Refusal{MessageText(message), field, reason};
}

// The numbers of the fields, each read once, in the unit system typed.
struct TypedNumbers {
  double capacity = 0;
  double evaporating = 0;
  double condensing = 0;
  double superheat = 0;
  double subcool = 0;
  double designDrop = 0;     // design mode only
  int checkedSizeIndex = 0;  // checking mode only
  double totalLength = 0;
  double riserLength = 0;
  double additionalLoss = 0;
};

// Superheat, subcooling, riser length and additional loss may be left out:
// a text that is not a number becomes "0".
double ZeroIfNotNumeric(QString& text, const QLocale& locale) {
  const auto value = ParseNumber(text, locale);
  if (!value) text = QStringLiteral("0");
  return value.value_or(0);
}

// The values no length, loss or temperature difference of a system can have
// below 0, with the field that shows each.
struct NotNegative {
  double TypedNumbers::*value;
  DesignField field;
  InputField input;
};
constexpr NotNegative kNotNegative[] = {
    {&TypedNumbers::superheat, DesignField::Superheat, InputField::Superheat},
    {&TypedNumbers::subcool, DesignField::Subcool, InputField::Subcool},
    {&TypedNumbers::totalLength, DesignField::TotalLength, InputField::TotalLength},
    {&TypedNumbers::riserLength, DesignField::RiserLength, InputField::RiserLength},
    {&TypedNumbers::additionalLoss, DesignField::AdditionalLoss, InputField::AdditionalLoss},
};

// A case no refrigeration system can have. The typing checks keep these out
// of the window; a project file, pasted text or kestrin-size can bring them.
std::optional<Refusal> CheckSystemCanExist(const TypedNumbers& n, UnitSystem unit) {
  if (!(n.evaporating < n.condensing))
    return Refusal{EvaporatingNotBelowCondensingMessage(), DesignField::Evaporating, RefusalReason::OutOfRange};
  for (const NotNegative& check : kNotNegative) {
    if (n.*check.value >= 0) continue;
    QString caption = LabelCaption(check.input, unit);
    if (caption.endsWith(QStringLiteral(" :"))) caption.chop(2);
    return Refusal{NegativeValueMessage(caption), check.field, RefusalReason::OutOfRange};
  }
  return std::nullopt;
}

// The checks in their fixed order; the first that fails flags its field.
// Optional fields are zeroed in `f` on the way, as the user will see them.
Outcome<TypedNumbers> Check(MainFieldTexts& f, UnitSystem unit, WorkingMode mode, TubeSeries tubes,
                            const QLocale& locale) {
  const bool ip = unit == UnitSystem::IP;
  TypedNumbers n;
  if (f.refrigerant.isEmpty()) return Flag(DesignField::Refrigerant, Message::DataIncomplete);
  const auto capacity = ParseNumber(f.capacity, locale);
  if (!capacity) return Flag(DesignField::Capacity, Message::DataIncomplete);
  n.capacity = *capacity;
  const auto evaporating = ParseNumber(f.evaporating, locale);
  if (!evaporating) return Flag(DesignField::Evaporating, Message::DataIncomplete);
  if (*evaporating < kEvaporatingLowest)
    return Flag(DesignField::Evaporating, ip ? Message::EvaporatingRangeIP : Message::EvaporatingRangeSI,
                RefusalReason::OutOfRange);
  n.evaporating = *evaporating;
  const auto condensing = ParseNumber(f.condensing, locale);
  if (!condensing) return Flag(DesignField::Condensing, Message::DataIncomplete);
  if (*condensing < (ip ? kCondensingLowestF : kCondensingLowestC))
    return Flag(DesignField::Condensing, ip ? Message::CondensingRangeIP : Message::CondensingRangeSI,
                RefusalReason::OutOfRange);
  n.condensing = *condensing;
  n.superheat = ZeroIfNotNumeric(f.superheat, locale);
  n.subcool = ZeroIfNotNumeric(f.subcool, locale);
  if (f.line.isEmpty()) return Flag(DesignField::Line, Message::DataIncomplete);
  if (f.designDrop.isEmpty()) return Flag(DesignField::DesignDrop, Message::DataIncomplete);
  if (mode == WorkingMode::Design) {
    const auto designDrop = ParseNumber(f.designDrop, locale);
    if (!designDrop) return Flag(DesignField::DesignDrop, Message::DataIncomplete);
    n.designDrop = *designDrop;
  } else {
    const auto size = SizeIndexOf(tubes, f.designDrop);
    if (!size) return Refusal{UnknownTubeMessage(f.designDrop), DesignField::DesignDrop, RefusalReason::UnknownTube};
    n.checkedSizeIndex = *size;
  }
  const auto totalLength = ParseNumber(f.totalLength, locale);
  if (!totalLength) return Flag(DesignField::TotalLength, Message::DataIncomplete);
  n.totalLength = *totalLength;
  n.riserLength = ZeroIfNotNumeric(f.riserLength, locale);
  n.additionalLoss = ZeroIfNotNumeric(f.additionalLoss, locale);
  if (n.totalLength < n.riserLength)
    return Flag(DesignField::RiserLength, Message::RiserTooLong, RefusalReason::RiserTooLong);
  // The program offers only its refrigerants and three lines; a text from
  // elsewhere that names none of them is refused on its list.
  if (!RefrigerantFromName(f.refrigerant)) return Flag(DesignField::Refrigerant, Message::DataIncomplete);
  if (!LineTypeFromName(f.line)) return Flag(DesignField::Line, Message::DataIncomplete);
  return n;
}

// The design case in IP units: typed IP values as they are, SI values by
// the exact factors. dpd only in design mode.
DesignCase Store(const MainFieldTexts& f, const TypedNumbers& n, UnitSystem unit, WorkingMode mode,
                 const FittingCounts& counts, double previousDesignDropPsi, PropertySource properties,
                 const TubeChoice& tubes) {
  const bool ip = unit == UnitSystem::IP;
  auto temperature = [&](double typed) { return ip ? typed : CelsiusToFahrenheit(typed); };
  auto scaled = [&](double typed, double factor) { return typed * (ip ? 1.0 : factor); };
  DesignCase c;
  c.refrigerant = *RefrigerantFromName(f.refrigerant);
  c.line = *LineTypeFromName(f.line);
  c.capacityTons = scaled(n.capacity, kKilowattsToTons);
  c.evaporatingF = temperature(n.evaporating);
  c.condensingF = temperature(n.condensing);
  c.superheatF = scaled(n.superheat, kCelsiusDifferenceToFahrenheit);
  c.subcoolF = scaled(n.subcool, kCelsiusDifferenceToFahrenheit);
  c.designDropPsi = mode == WorkingMode::Design ? scaled(n.designDrop, kBarToPsi) : previousDesignDropPsi;
  c.totalLengthFt = scaled(n.totalLength, kMetresToFeet);
  c.riserLengthFt = scaled(n.riserLength, kMetresToFeet);
  c.additionalLossPsi = scaled(n.additionalLoss, kBarToPsi);
  c.fittings = counts;
  c.properties = PropertySourceFor(c.refrigerant, properties);
  c.tubes = tubes;
  return c;
}

}  // namespace

const AcceptedCase* CalculateResult::accepted() const {
  if (const auto* notSized = std::get_if<NotSized>(&state)) return notSized;
  return std::get_if<Sized>(&state);
}

const Sized* CalculateResult::sized() const { return std::get_if<Sized>(&state); }

const Refusal* CalculateResult::refusal() const {
  if (const auto* refused = std::get_if<CheckRefused>(&state)) return &refused->refusal;
  if (const auto* notSized = std::get_if<NotSized>(&state)) return &notSized->refusal;
  return nullptr;
}

Outcome<FittingCounts> FittingCountsOf(const StoredFittingCounts& stored, const QLocale& locale) {
  FittingCounts counts{};
  for (int type = 1; type <= kFittingTypeCount; ++type) {
    const auto& text = stored[static_cast<std::size_t>(type - 1)];
    if (!text) continue;
    const auto count = ParseNumber(*text, locale);
    if (!count)
      return Refusal{FittingCountNotNumberMessage(type, *text), DesignField::None,
                     RefusalReason::FittingCountNotNumber};
    counts[static_cast<std::size_t>(type - 1)] = *count;
  }
  return counts;
}

CalculateResult RunCalculate(const MainFieldTexts& fields, UnitSystem unit, WorkingMode mode,
                             const StoredFittingCounts& counts, double previousDesignDropPsi, const QLocale& locale,
                             PropertySource properties, const TubeChoice& tubes) {
  CalculateResult result{fields, CheckRefused{}};
  const Outcome<TypedNumbers> numbers = Check(result.fields, unit, mode, tubes.series, locale);
  if (!numbers.ok()) {
    result.state = CheckRefused{numbers.refusal()};
    return result;
  }
  const Outcome<FittingCounts> fittingCounts = FittingCountsOf(counts, locale);
  if (!fittingCounts.ok()) {
    result.state = CheckRefused{fittingCounts.refusal()};
    return result;
  }

  const TypedNumbers& n = numbers.value();
  if (std::optional<Refusal> impossible = CheckSystemCanExist(n, unit)) {
    result.state = CheckRefused{*impossible};
    return result;
  }
  AcceptedCase accepted;
  accepted.stored =
      Store(result.fields, n, unit, mode, fittingCounts.value(), previousDesignDropPsi, properties, tubes);
  accepted.offerDoubleRiser = n.riserLength > 0 && accepted.stored.line != LineType::Liquid;
  if (std::optional<Refusal> outside = CheckPropertyRange(accepted.stored, unit)) {
    result.state = NotSized{accepted, *outside};
    return result;
  }
  const Outcome<LineEvaluation> evaluation = SizeLine(accepted.stored, mode, n.checkedSizeIndex);
  if (!evaluation.ok()) {
    result.state = NotSized{accepted, evaluation.refusal()};
    return result;
  }
  const LineProfile& profile = ProfileOf(accepted.stored.line);
  const DesignCase& stored = accepted.stored;
  const LineReadings readings =
      ReadLine(*SaturationCurveOf(stored, stored.line), stored, evaluation.value().flow, evaluation.value());
  const Presentation presentation{unit, mode, n.riserLength, locale};
  result.state = Sized{accepted, evaluation.value(), readings,
                       PresentLineResult(profile, evaluation.value(), readings, presentation)};
  return result;
}

}  // namespace kestrin

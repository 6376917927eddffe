#include "core/sizing/capacity_table_texts.h"

#include "core/physics/tube_catalogue.h"
#include "core/sizing/result_presenter.h"
#include "core/units/number_text.h"
#include "core/units/unit_texts.h"

#include <cmath>

namespace kestrin {
namespace {

constexpr double kPascalPerBar = 1e5;
constexpr int kSignificantFigures = 3;
constexpr int kConditionDigits = 6;

QString LineWords(LineType line) {
  switch (line) {
    case LineType::Suction: return QStringLiteral("suction");
    case LineType::Discharge: return QStringLiteral("discharge");
    case LineType::Liquid: return QStringLiteral("liquid");
  }
  return {};
}

QString SourceWords(const CapacityConditions& c) {
  return PropertySourceFor(c.refrigerant, c.properties) == PropertySource::Reference
             ? QStringLiteral("reference equation of state")
             : QStringLiteral("polynomial correlations");
}

QString Conditions(const CapacityConditions& c, const QLocale& locale) {
  const UnitSystem unit = c.unit;
  const double difference = unit == UnitSystem::IP ? 1 : kCelsiusDifferenceToFahrenheit;
  return QStringLiteral("Condensing %1 %2, superheat %3 %4, subcooling %5 %4, drop %6 %7; %8")
      .arg(ConditionText(ShownTemperature(c.condensingF, unit), locale), TemperatureUnit(unit),
           ConditionText(c.superheatF / difference, locale), TemperatureDropUnit(unit),
           ConditionText(c.subcoolF / difference, locale), ConditionText(c.dropF / difference, locale),
           TemperatureDropPerLengthUnit(unit), SourceWords(c));
}

QString Note(const CapacityTable& table, const QLocale& locale) {
  QString note;
  if (table.conditions.line != LineType::Liquid)
    note = QStringLiteral("Grey italics: too slow to carry oil up a riser of that size. ");
  if (table.dropExponent)
    note += QStringLiteral("For another drop or length, capacity scales as (drop / length)^%1.")
                .arg(FormatFixed(*table.dropExponent, 2, locale));
  return note.trimmed();
}

ShownCapacityCell ShownCell(const Outcome<CapacityCell>& cell, UnitSystem unit, const QLocale& locale) {
  ShownCapacityCell shown;
  if (!cell.ok()) {
    shown.reason = cell.refusal().message;
    return shown;
  }
  const CapacityCell& c = cell.value();
  shown.capacity = ThreeSignificantFigures(ShownCapacity(c.capacityTons, unit), locale);
  shown.velocity = ShownVelocity(c.velocityFps, unit, locale);
  shown.pressureDrop = ThreeSignificantFigures(ShownDropPerLength(c.pressureDropPsi, unit), locale);
  shown.belowOilReturn = c.oilReturnOk.has_value() && !*c.oilReturnOk;
  return shown;
}

QString Field(const QString& text, QChar separator) {
  if (!text.contains(separator) && !text.contains(u'"') && !text.contains(u'\n')) return text;
  QString quoted = text;
  quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
  return u'"' + quoted + u'"';
}

QString Record(const QStringList& fields, QChar separator) {
  QStringList quoted;
  for (const QString& field : fields) quoted += Field(field, separator);
  return quoted.join(separator) + u'\n';
}

}  // namespace

QString ConditionText(double value, const QLocale& locale) {
  QLocale plain = locale;
  plain.setNumberOptions(QLocale::OmitGroupSeparator);
  return plain.toString(value, 'g', kConditionDigits);
}

QString ThreeSignificantFigures(double value, const QLocale& locale) {
  if (!std::isfinite(value) || value == 0) return FormatFixed(value, 0, locale);
  const double scale = std::pow(10.0, std::floor(std::log10(std::abs(value))) - (kSignificantFigures - 1));
  const double rounded = std::round(value / scale) * scale;
  const int magnitude = static_cast<int>(std::floor(std::log10(std::abs(rounded))));
  return FormatFixed(rounded, std::max(0, kSignificantFigures - 1 - magnitude), locale);
}

QString CapacityUnit(UnitSystem unit) { return unit == UnitSystem::IP ? QStringLiteral("tons") : QStringLiteral("kW"); }
QString DropPerLengthUnit(UnitSystem unit) {
  return unit == UnitSystem::IP ? QStringLiteral("psi/100 ft") : QStringLiteral("Pa/m");
}
QString TemperatureDropPerLengthUnit(UnitSystem unit) {
  return unit == UnitSystem::IP ? QStringLiteral("F/100 ft") : QStringLiteral("K/m");
}

double ShownCapacity(double capacityTons, UnitSystem unit) {
  return unit == UnitSystem::IP ? capacityTons : capacityTons / kKilowattsToTons;
}
double ShownDropPerLength(double pressureDropPsi, UnitSystem unit) {
  return unit == UnitSystem::IP ? pressureDropPsi : pressureDropPsi * kPsiToBar * kPascalPerBar;
}
double ShownVelocityValue(double velocityFps, UnitSystem unit) {
  return unit == UnitSystem::IP ? velocityFps : velocityFps * kFeetPerSecondToMetresPerSecond;
}
double ShownTemperature(double temperatureF, UnitSystem unit) {
  return unit == UnitSystem::IP ? temperatureF : FahrenheitToCelsius(temperatureF);
}

ShownCapacityTable PresentCapacityTable(const CapacityTable& table, const QLocale& locale) {
  const CapacityConditions& c = table.conditions;
  ShownCapacityTable shown;
  shown.title =
      QStringLiteral("%1 %2 line capacities, %3 tube (%4)")
          .arg(RefrigerantName(c.refrigerant), LineWords(c.line), TubeSeriesTitle(c.series), CapacityUnit(c.unit));
  shown.conditions = Conditions(c, locale);
  shown.sizeCaption = QStringLiteral("Size");
  for (const double et : table.evaporatingF)
    shown.columnCaptions += QStringLiteral("%1 %2").arg(ConditionText(std::round(ShownTemperature(et, c.unit)), locale),
                                                        TemperatureUnit(c.unit));
  for (const CapacityRow& row : table.rows) {
    shown.sizeNames += TubeName(c.series, row.sizeIndex);
    std::vector<ShownCapacityCell>& cells = shown.cells.emplace_back();
    for (const Outcome<CapacityCell>& cell : row.cells) cells.push_back(ShownCell(cell, c.unit, locale));
  }
  shown.note = Note(table, locale);
  for (std::size_t column = 0; column < table.evaporatingF.size(); ++column) {
    QStringList reasons;
    for (const std::vector<ShownCapacityCell>& row : shown.cells) {
      const QString& reason = row[column].reason;
      if (!reason.isEmpty() && !reasons.contains(reason)) reasons += reason;
    }
    for (const QString& reason : reasons)
      shown.emptyCells += QStringLiteral("%1: %2").arg(shown.columnCaptions[static_cast<qsizetype>(column)], reason);
  }
  return shown;
}

QString CapacityTableDelimited(const ShownCapacityTable& table, QChar separator) {
  QString text = Record({table.title}, separator) + Record({table.conditions}, separator);
  text += Record(QStringList{table.sizeCaption} + table.columnCaptions, separator);
  for (std::size_t r = 0; r < table.cells.size(); ++r) {
    QStringList fields{table.sizeNames[static_cast<qsizetype>(r)]};
    for (const ShownCapacityCell& cell : table.cells[r]) fields += cell.capacity;
    text += Record(fields, separator);
  }
  return text;
}

}  // namespace kestrin

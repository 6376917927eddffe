#include "core/units/unit_texts.h"

#include "core/physics/tube_catalogue.h"
#include "core/units/number_text.h"

#include <array>

namespace kestrin {
namespace {

enum class Conversion { Capacity, Temperature, TemperatureDifference, Length, Pressure };

struct FieldTexts {
  const char16_t* fieldName;
  const char16_t* labelName;
  const char16_t* captionIP;
  const char16_t* captionSI;
  const char16_t* toolTipIP;
  const char16_t* toolTipSI;
  double upperIP;
  double upperSI;
  bool hasLowerLimit;  // only the evaporating temperature: -40 in both systems
  const char16_t* partialEntry;
  Conversion conversion;
};

constexpr double kEvaporatingLowerLimit = -40;

constexpr std::array<FieldTexts, kInputFields.size()> kFields = {{
    {u"Txtcapacity", u"Lbl2", u"System Capacity (tons) :", u"System Capacity (kw) :", u"Valid Range Is 1 to 500 Ton",
     u"Valid Range Is 1 to 1500 KW", 500, 1500, false, nullptr, Conversion::Capacity},
    {u"Txtet", u"Lbl3", u"Evaporating Temperature (F) :", u"Evaporating Temperature (C) :",
     u"Valid Range Is -40 to 55 F", u"Valid Range Is -40 to 12 C", 55, 12, true, u"-", Conversion::Temperature},
    {u"Txtct", u"Lbl4", u"Condensing Temperature (F) :", u"Condensing Temperature (C) :", u"Valid Range Is 80 to 150 F",
     u"Valid Range Is 25 to 65 C", 150, 65, false, nullptr, Conversion::Temperature},
    {u"Txtsh", u"Lbl5", u"Superheat (F) :", u"Superheat (C) :", u"Valid Range Is 0 to 50 F",
     u"Valid Range Is 0 to 25 C", 50, 25, false, nullptr, Conversion::TemperatureDifference},
    {u"Txtsc", u"Lbl6", u"Subcool (F) :", u"Subcool (C) :", u"Valid Range Is 0 to 20 F", u"Valid Range Is 0 to 10 C",
     20, 10, false, nullptr, Conversion::TemperatureDifference},
    {u"Txttll", u"Lbl9", u"Total Line Length (Ft) :", u"Total Line Length (m) :", u"Valid Range Is 0 to 1500 ft",
     u"Valid Range Is 0 to 500 m", 1500, 500, false, nullptr, Conversion::Length},
    {u"Txtrl", u"Lbl10", u"Riser Length (Ft) :", u"Riser Length (m) :", u"Valid Range Is 0 to 300 ft",
     u"Valid Range Is 0 to 100 m", 300, 100, false, nullptr, Conversion::Length},
    {u"Txtal", u"Lbl11", u"Additional loss (psi) :", u"Additional loss (bar) :", u"Valid Range Is 0 to 4 psi",
     u"Valid Range Is 0 to 0.3 bar", 4, 0.3, false, u".", Conversion::Pressure},
}};

const FieldTexts& Texts(InputField field) { return kFields.at(static_cast<std::size_t>(field)); }

QString Pick(UnitSystem unit, const char16_t* ip, const char16_t* si) {
  return QString::fromUtf16(unit == UnitSystem::IP ? ip : si);
}

double ToIP(Conversion conversion, double si) {
  switch (conversion) {
    case Conversion::Capacity: return si * kKilowattsToTons;
    case Conversion::Temperature: return CelsiusToFahrenheit(si);
    case Conversion::TemperatureDifference: return si * kCelsiusDifferenceToFahrenheit;
    case Conversion::Length: return si * kMetresToFeet;
    case Conversion::Pressure: return si * kBarToPsi;
  }
  return si;
}

double ToSI(Conversion conversion, double ip) {
  switch (conversion) {
    case Conversion::Capacity: return ip / kKilowattsToTons;
    case Conversion::Temperature: return FahrenheitToCelsius(ip);
    case Conversion::TemperatureDifference: return ip / kCelsiusDifferenceToFahrenheit;
    case Conversion::Length: return ip / kMetresToFeet;
    case Conversion::Pressure: return ip / kBarToPsi;
  }
  return ip;
}

}  // namespace

QString FieldName(InputField field) { return QString::fromUtf16(Texts(field).fieldName); }
QString LabelName(InputField field) { return QString::fromUtf16(Texts(field).labelName); }

QString LabelCaption(InputField field, UnitSystem unit) {
  return Pick(unit, Texts(field).captionIP, Texts(field).captionSI);
}

QString ToolTip(InputField field, UnitSystem unit) {
  return Pick(unit, Texts(field).toolTipIP, Texts(field).toolTipSI);
}

QString GlideToolTip(InputField field, UnitSystem unit) {
  QString tip = ToolTip(field, unit);
  switch (field) {
    case InputField::Evaporating: return tip + QStringLiteral("\nThe dew point at the evaporator outlet pressure");
    case InputField::Condensing: return tip + QStringLiteral("\nThe dew point at the condenser inlet pressure");
    case InputField::Superheat: return tip + QStringLiteral("\nSuperheat counts from the dew point");
    case InputField::Subcool: return tip + QStringLiteral("\nSubcooling counts from the bubble point");
    default: return tip;
  }
}

bool EntryKept(InputField field, const QString& text, UnitSystem unit, const QLocale& locale) {
  const FieldTexts& texts = Texts(field);
  if (texts.partialEntry && text == QString::fromUtf16(texts.partialEntry)) return true;
  const auto value = ParseNumber(text, locale);
  if (!value) return false;
  const double upper = unit == UnitSystem::IP ? texts.upperIP : texts.upperSI;
  if (*value > upper) return false;
  return !(texts.hasLowerLimit && *value < kEvaporatingLowerLimit);
}

bool DesignDropEntryKept(const QString& text, const QLocale& locale) {
  return text == locale.decimalPoint() || IsNumeric(text, locale);
}

bool TemperatureDropEntryKept(const QString& text, const QLocale& locale) {
  if (text == locale.decimalPoint()) return true;
  const std::optional<double> value = ParseNumber(text, locale);
  return value && *value >= 0;
}

QString ConvertedEntry(InputField field, const QString& text, UnitSystem from, UnitSystem to, const QLocale& locale) {
  const auto value = ParseNumber(text, locale);
  if (!value || from == to) return text;
  const Conversion conversion = Texts(field).conversion;
  const double converted = to == UnitSystem::SI ? ToSI(conversion, *value) : ToIP(conversion, *value);
  return FormatFixed(converted, 0, locale);
}

QString DesignDropCaption(UnitSystem unit, WorkingMode mode) {
  if (mode == WorkingMode::Checking) return QStringLiteral("Line size: (OD diameter)");
  return Pick(unit, u"Design Pressure Drop (psi) :", u"Design Pressure Drop (bar) :");
}

QStringList DesignDropList(UnitSystem unit, WorkingMode mode, TubeSeries series, const QLocale& locale) {
  if (mode == WorkingMode::Checking) return CheckingTubeNames(series);
  static constexpr std::array<double, 7> kPsi = {0.5, 1, 2, 3, 4, 5, 6};
  static constexpr std::array<double, 5> kBar = {0.05, 0.1, 0.2, 0.3, 0.4};
  QStringList list;
  auto add = [&](const auto& drops) {
    for (double drop : drops) list << locale.toString(drop, 'g', 6);
  };
  if (unit == UnitSystem::IP)
    add(kPsi);
  else
    add(kBar);
  return list;
}

QString PressureDropUnit(UnitSystem unit) { return Pick(unit, u"PSI", u"bar"); }
QString VelocityUnit(UnitSystem unit) { return Pick(unit, u"FPS", u"m/s"); }
QString LengthUnit(UnitSystem unit) { return Pick(unit, u"Ft ", u"m "); }
QString TemperatureDropUnit(UnitSystem unit) { return Pick(unit, u"F", u"K"); }
QString GaugePressureUnit(UnitSystem unit) { return Pick(unit, u"psig", u"bar(g)"); }
QString TemperatureUnit(UnitSystem unit) { return Pick(unit, u"F", u"\u00B0C"); }

UnitCaptions ShownCaptions(UnitSystem unit, WorkingMode mode) {
  return {LabelCaption(InputField::Capacity, unit),
          LabelCaption(InputField::Evaporating, unit),
          LabelCaption(InputField::Condensing, unit),
          LabelCaption(InputField::Superheat, unit),
          LabelCaption(InputField::Subcool, unit),
          DesignDropCaption(unit, mode),
          LabelCaption(InputField::TotalLength, unit),
          LabelCaption(InputField::RiserLength, unit),
          LabelCaption(InputField::AdditionalLoss, unit),
          PressureDropUnit(unit),
          VelocityUnit(unit),
          LengthUnit(unit)};
}

RangeTips RangeToolTips(UnitSystem unit, WorkingMode mode, std::optional<LineType> line) {
  RangeTips tips;
  if (mode == WorkingMode::Checking) tips.designDrop = QString();
  if (!line) return tips;
  const bool ip = unit == UnitSystem::IP;
  if (mode == WorkingMode::Design) {
    switch (*line) {
      case LineType::Discharge:
        tips.designDrop = ip ? QStringLiteral("Recommended Range : 2 to 6 psi")
                             : QStringLiteral("Recommended Range : 0.15 to 0.4 bar");
        break;
      case LineType::Liquid:
        tips.designDrop = ip ? QStringLiteral("Recommended Range : 2 to 4 psi")
                             : QStringLiteral("Recommended Range : 0.15 to 0.3 bar");
        break;
      case LineType::Suction:
        tips.designDrop = ip ? QStringLiteral("Recommended Range : 1 to 3 psi")
                             : QStringLiteral("Recommended Range : 0.1 to 0.2 bar");
        break;
    }
  }
  if (*line == LineType::Liquid)
    tips.velocity = QString();
  else
    tips.velocity = ip ? QStringLiteral("Valid Range Is 15 to 65 FPS") : QStringLiteral("Valid Range Is 5 to 20 m/s");
  return tips;
}

}  // namespace kestrin

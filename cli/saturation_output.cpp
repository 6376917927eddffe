#include "cli/saturation_output.h"

#include "core/physics/reference/reference_fluid.h"
#include "core/physics/reference/viscosity.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <array>

namespace kestrin {
namespace {

struct Column {
  const char16_t* key;
  const char16_t* caption;
  const char16_t* unit;
  std::optional<double> SaturationRow::*value;
  int decimals;
};

constexpr std::array<Column, 9> kColumns = {{
    {u"p_bubble_kpa", u"p bubble", u"kPa", &SaturationRow::bubblePressureKpa, 2},
    {u"p_dew_kpa", u"p dew", u"kPa", &SaturationRow::dewPressureKpa, 2},
    {u"rho_liquid_kg_m3", u"rho liquid", u"kg/m3", &SaturationRow::liquidDensity, 2},
    {u"rho_vapour_kg_m3", u"rho vapour", u"kg/m3", &SaturationRow::vapourDensity, 3},
    {u"h_liquid_kj_kg", u"h liquid", u"kJ/kg", &SaturationRow::liquidEnthalpy, 2},
    {u"h_vapour_kj_kg", u"h vapour", u"kJ/kg", &SaturationRow::vapourEnthalpy, 2},
    {u"mu_liquid_upa_s", u"mu liquid", u"uPa s", &SaturationRow::liquidViscosity, 2},
    {u"mu_vapour_upa_s", u"mu vapour", u"uPa s", &SaturationRow::vapourViscosity, 3},
    {u"glide_k", u"glide", u"K", &SaturationRow::glideK, 2},
}};

constexpr int kTemperatureWidth = 5;
constexpr int kColumnWidth = 12;

QString Cell(const QString& text, int width) { return text.rightJustified(width); }

QString Heading(const SaturationTable& table) {
  const QString name = RefrigerantName(table.refrigerant);
  if (table.source == PropertySource::Correlations)
    return QStringLiteral("%1 saturation table, from the polynomial correlations\n").arg(name);
  QString heading = QStringLiteral("%1 saturation table, from the reference equation of state\n").arg(name);
  if (const ReferenceFluid* fluid = ReferenceFluid::Find(name)) {
    heading += QStringLiteral("  equation of state: %1\n").arg(fluid->EquationSource());
    heading += QStringLiteral("  viscosity: %1\n").arg(ViscositySource(*fluid));
  }
  return heading;
}

}  // namespace

QString SaturationText(const SaturationTable& table) {
  QString text = Heading(table) + u'\n';
  QString captions = Cell(QStringLiteral("t"), kTemperatureWidth);
  QString units = Cell(QStringLiteral("C"), kTemperatureWidth);
  for (const Column& column : kColumns) {
    captions += Cell(QString::fromUtf16(column.caption), kColumnWidth);
    units += Cell(QString::fromUtf16(column.unit), kColumnWidth);
  }
  text += captions + u'\n' + units + u'\n';
  for (const SaturationRow& row : table.rows) {
    text += Cell(QString::number(row.temperatureC, 'f', 0), kTemperatureWidth);
    for (const Column& column : kColumns) {
      const std::optional<double>& value = row.*column.value;
      text += Cell(value ? QString::number(*value, 'f', column.decimals) : QStringLiteral("-"), kColumnWidth);
    }
    text += u'\n';
  }
  return text;
}

QString SaturationJson(const SaturationTable& table) {
  QString json;
  for (const SaturationRow& row : table.rows) {
    QJsonObject o;
    o[u"fluid"_qs] = RefrigerantName(table.refrigerant);
    o[u"t_c"_qs] = row.temperatureC;
    for (const Column& column : kColumns) {
      const std::optional<double>& value = row.*column.value;
      o[QString::fromUtf16(column.key)] = value ? QJsonValue(*value) : QJsonValue();
    }
    json += QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) + u'\n';
  }
  return json;
}

}  // namespace kestrin

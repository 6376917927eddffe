#include "cli/capacity_output.h"

#include "core/physics/tube_catalogue.h"
#include "core/sizing/capacity_table_texts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace kestrin {
namespace {

constexpr int kSizeWidth = 8;
constexpr int kColumnWidth = 10;
constexpr double kInchesPerFoot = 12;
// Column temperatures come back from F; rounding to a millionth of a degree
// drops the last bits of that.
constexpr double kTemperatureScale = 1e6;

QString Cell(const QString& text, int width) { return text.rightJustified(width); }

// A line of the table without the blanks that pad its last cell.
QString Line(QString text) {
  while (text.endsWith(u' ')) text.chop(1);
  return text + u'\n';
}

QString CellText(const ShownCapacityCell& cell) {
  if (cell.capacity.isEmpty()) return QStringLiteral("-");
  return cell.capacity + (cell.belowOilReturn ? u'*' : u' ');
}

QJsonValue Number(double value) { return std::isfinite(value) ? QJsonValue(value) : QJsonValue(); }

QJsonObject CellJson(const Outcome<CapacityCell>& cell, double evaporatingF, UnitSystem unit) {
  QJsonObject o;
  o[u"t_evap"_qs] = std::round(ShownTemperature(evaporatingF, unit) * kTemperatureScale) / kTemperatureScale;
  if (!cell.ok()) {
    o[u"capacity"_qs] = QJsonValue();
    o[u"pressure_drop"_qs] = QJsonValue();
    o[u"velocity"_qs] = QJsonValue();
    o[u"oil_return_ok"_qs] = QJsonValue();
    o[u"error"_qs] = cell.refusal().message;
    return o;
  }
  const CapacityCell& c = cell.value();
  o[u"capacity"_qs] = Number(ShownCapacity(c.capacityTons, unit));
  o[u"pressure_drop"_qs] = Number(ShownDropPerLength(c.pressureDropPsi, unit));
  o[u"velocity"_qs] = Number(ShownVelocityValue(c.velocityFps, unit));
  o[u"oil_return_ok"_qs] = c.oilReturnOk ? QJsonValue(*c.oilReturnOk) : QJsonValue();
  o[u"error"_qs] = QJsonValue();
  return o;
}

}  // namespace

QString CapacityText(const CapacityTable& table) {
  const ShownCapacityTable shown = PresentCapacityTable(table, QLocale::c());
  QString text = shown.title + u'\n';
  text += QStringLiteral("  %1\n").arg(shown.conditions);
  text += QStringLiteral("  Capacity at each evaporating temperature.");
  if (table.conditions.line != LineType::Liquid)
    text += QStringLiteral(" * too slow to carry oil up a riser of that size.");
  text += u'\n';
  if (table.dropExponent)
    text += QStringLiteral("  For another drop or length, capacity scales as (drop / length)^%1.\n")
                .arg(QString::number(*table.dropExponent, 'f', 2));
  QString captions = Cell(shown.sizeCaption, kSizeWidth);
  for (const QString& caption : shown.columnCaptions) captions += Cell(caption + u' ', kColumnWidth);
  text += u'\n' + Line(captions);
  for (std::size_t r = 0; r < shown.cells.size(); ++r) {
    QString row = Cell(shown.sizeNames[static_cast<qsizetype>(r)], kSizeWidth);
    for (const ShownCapacityCell& cell : shown.cells[r]) row += Cell(CellText(cell), kColumnWidth);
    text += Line(row);
  }
  if (!shown.emptyCells.isEmpty()) text += QStringLiteral("\nEmpty cells (-):\n");
  for (const QString& reason : shown.emptyCells) text += QStringLiteral("  - at %1\n").arg(reason);
  return text;
}

QString CapacityJson(const CapacityTable& table) {
  const CapacityConditions& c = table.conditions;
  QString json;
  for (const CapacityRow& row : table.rows) {
    QJsonArray cells;
    for (std::size_t column = 0; column < row.cells.size(); ++column)
      cells.append(CellJson(row.cells[column], table.evaporatingF[column], c.unit));
    QJsonObject o;
    o[u"size"_qs] = TubeName(c.series, row.sizeIndex);
    o[u"inside_diameter_in"_qs] = TubeInsideDiameter(c.series, row.sizeIndex) * kInchesPerFoot;
    o[u"cells"_qs] = cells;
    json += QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) + u'\n';
  }
  return json;
}

}  // namespace kestrin

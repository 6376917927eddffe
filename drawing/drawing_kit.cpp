#include "drawing/drawing_kit.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPolygonF>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kestrin {

namespace {

// The rim is this share of the pipe's width on each side.
constexpr double kRimShare = 0.14;
// How far a text may be narrowed before it is cut instead.
constexpr double kNarrowestSqueeze = 0.75;

QPen PipePen(const QColor& colour, double width) {
  QPen pen(colour, width);
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::MiterJoin);
  return pen;
}

QFont FontOf(const QStringList& families, int pixelSize, bool bold) {
  QFont font;
  font.setFamilies(families);
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(std::max(1, pixelSize));
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

}  // namespace

void PaintPipes(QPainter& painter, const std::vector<PipeRun>& runs) {
  painter.save();
  painter.setBrush(Qt::NoBrush);
  for (const PipeRun& run : runs) {
    painter.setPen(PipePen(kCopperRim, run.width * (1.0 + 2.0 * kRimShare)));
    painter.drawPath(run.centreLine);
  }
  for (const PipeRun& run : runs) {
    painter.setPen(PipePen(kCopper, run.width));
    painter.drawPath(run.centreLine);
  }
  painter.restore();
}

void PaintTrapOil(QPainter& painter, const QPointF& centre, double radius, double pipeWidth) {
  painter.save();
  QPainterPath oil;
  const QRectF circle(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
  // Qt counts angles anticlockwise from three o'clock; the bottom is 270.
  oil.arcMoveTo(circle, 225);
  oil.arcTo(circle, 225, 90);
  QPen pen(kOil, pipeWidth * 0.55);
  pen.setCapStyle(Qt::RoundCap);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(oil);
  painter.restore();
}

void PaintFlowArrow(QPainter& painter, const QPointF& from, const QPointF& to, double size) {
  const QLineF line(from, to);
  if (line.length() <= 0) {
    return;
  }
  const QPointF along = (to - from) / line.length();
  const QPointF across(-along.y(), along.x());
  const QPointF headBase = to - along * size;
  painter.save();
  QPen pen(kInk, size * 0.26);
  pen.setCapStyle(Qt::FlatCap);
  painter.setPen(pen);
  painter.drawLine(from, headBase + along * size * 0.2);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kInk);
  const QPolygonF head{to, headBase + across * size * 0.42, headBase - across * size * 0.42};
  painter.drawPolygon(head);
  painter.restore();
}

void PaintCompressor(QPainter& painter, const QRectF& box, double lineWidth) {
  const double radius = std::min(box.width(), box.height()) / 2.0 - lineWidth;
  const QPointF c = box.center();
  auto onCircle = [&](double degrees) {
    const double a = degrees * std::numbers::pi / 180.0;
    return QPointF(c.x() + radius * std::cos(a), c.y() - radius * std::sin(a));
  };
  painter.save();
  painter.setPen(QPen(kInk, lineWidth));
  painter.setBrush(kEquipmentFill);
  painter.drawEllipse(c, radius, radius);
  // The converging lines of a compressor's symbol: wide at the inlet side.
  painter.drawLine(onCircle(130), onCircle(25));
  painter.drawLine(onCircle(230), onCircle(335));
  painter.restore();
}

void PaintCoil(QPainter& painter, const QRectF& box, double lineWidth) {
  painter.save();
  painter.setPen(QPen(kInk, lineWidth));
  painter.setBrush(kEquipmentFill);
  const double corner = std::min(box.width(), box.height()) * 0.06;
  painter.drawRoundedRect(box, corner, corner);

  // Fins, then the tube passing back and forth through them.
  const QRectF inner = box.adjusted(box.width() * 0.2, box.height() * 0.14, -box.width() * 0.2, -box.height() * 0.14);
  painter.setPen(QPen(QColor(0xA9, 0xB2, 0xBD), lineWidth * 0.5));
  constexpr int kFins = 7;
  for (int i = 0; i <= kFins; ++i) {
    const double x = inner.left() + inner.width() * i / kFins;
    painter.drawLine(QPointF(x, inner.top()), QPointF(x, inner.bottom()));
  }
  constexpr int kPasses = 4;
  const double step = inner.height() / (kPasses - 1);
  QPainterPath tube;
  tube.moveTo(inner.left(), inner.top());
  for (int i = 0; i < kPasses; ++i) {
    const double y = inner.top() + step * i;
    const bool rightward = i % 2 == 0;
    tube.lineTo(rightward ? inner.right() : inner.left(), y);
    if (i + 1 < kPasses) {
      const double r = step / 2.0;
      const QRectF bend(rightward ? inner.right() - r : inner.left() - r, y, 2 * r, step);
      tube.arcTo(bend, 90, rightward ? -180 : 180);
    }
  }
  QPen tubePen(kCopperRim, lineWidth * 1.3);
  tubePen.setCapStyle(Qt::FlatCap);
  painter.setPen(tubePen);
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(tube);
  painter.restore();
}

namespace {

// The beginning of `text` that is already wider than `room`, or the whole
// text when it is not. A hand-edited file may bring a text of hundreds of
// thousands of characters, far more than the text engine measures and lays
// out on one line; only what can show is handed to it.
QString ShowablePart(const QFontMetricsF& metrics, const QString& text, double room) {
  const double average = std::max(metrics.averageCharWidth(), 1.0);
  qsizetype length = std::max<qsizetype>(64, static_cast<qsizetype>(2 * room / average));
  while (length < text.size()) {
    if (text[length - 1].isHighSurrogate()) ++length;
    QString part = text.left(length);
    if (metrics.horizontalAdvance(part) > room) return part;
    length *= 2;
  }
  return text;
}

}  // namespace

QFont DrawingFont(int pixelSize, bool bold) {
  return FontOf({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                 QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")},
                pixelSize, bold);
}

QFont TitleFont(int pixelSize, bool bold) {
  return FontOf({QStringLiteral("Tahoma"), QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans Condensed"),
                 QStringLiteral("DejaVu Sans")},
                pixelSize, bold);
}

void PaintFittedText(QPainter& painter, const QRectF& box, const QString& text, Qt::Alignment alignment) {
  if (text.isEmpty() || box.width() <= 0) {
    return;
  }
  const int flags = static_cast<int>(alignment) | Qt::TextSingleLine;
  const QFontMetricsF metrics(painter.font(), painter.device());
  const QString measured = ShowablePart(metrics, text, box.width() / kNarrowestSqueeze);
  const double natural = metrics.horizontalAdvance(measured);
  if (natural <= box.width()) {
    painter.drawText(box, flags, measured);
    return;
  }
  // Squeezed or cut, the text must still stay inside its row.
  painter.save();
  painter.setClipRect(box, Qt::IntersectClip);
  const double squeeze = std::max(box.width() / natural, kNarrowestSqueeze);
  const double room = box.width() / squeeze;
  const QString shown = natural <= room ? measured : metrics.elidedText(measured, Qt::ElideRight, room);
  painter.translate(box.left(), 0);
  painter.scale(squeeze, 1.0);
  painter.drawText(QRectF(0, box.top(), room, box.height()), flags, shown);
  painter.restore();
}

}  // namespace kestrin

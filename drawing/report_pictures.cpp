#include "drawing/report_pictures.h"

#include "drawing/drawing_kit.h"

#include <QPainter>
#include <QPolygonF>
#include <QTransform>

#include <algorithm>

namespace kestrin {

namespace {

void FitBoard(QPainter& painter, double width, double height, const QRectF& area) {
  const double scale = std::min(area.width() / width, area.height() / height);
  painter.translate(area.left() + (area.width() - width * scale) / 2.0,
                    area.top() + (area.height() - height * scale) / 2.0);
  painter.scale(scale, scale);
}

// Title graphic board: the sheet's width over a band one tenth as high.
constexpr double kPlotWidth = 7965;
constexpr double kPlotHeight = 780;

void PaintPlotMark(QPainter& painter, const QRectF& box) {
  painter.save();
  painter.setPen(QPen(kCopperRim, 18));
  painter.setBrush(kEquipmentFill);
  painter.drawRoundedRect(box, 90, 90);
  // A riser with its trap: the mark of the program.
  const double w = box.width();
  QPainterPath pipe;
  pipe.moveTo(box.left() + w * 0.14, box.top() + w * 0.30);
  pipe.lineTo(box.left() + w * 0.30, box.top() + w * 0.30);
  pipe.lineTo(box.left() + w * 0.30, box.top() + w * 0.62);
  pipe.arcTo(QRectF(box.left() + w * 0.30, box.top() + w * 0.47, w * 0.26, w * 0.30), 180, 180);
  pipe.lineTo(box.left() + w * 0.56, box.top() + w * 0.22);
  pipe.lineTo(box.left() + w * 0.86, box.top() + w * 0.22);
  PaintPipes(painter, {{pipe, w * 0.09}});
  painter.restore();
}

// Piping board: the refrigerant circuit.
constexpr double kPipingWidth = 7365;
constexpr double kPipingHeight = 4800;
constexpr int kPipingCaptionPixels = 165;
constexpr int kPipingLinePixels = 185;
const QRectF kCondenser(4750, 450, 1900, 900);
const QRectF kEvaporator(500, 3050, 1900, 900);
constexpr QPointF kCompressorCentre(5700, 3500);
constexpr double kCompressorRadius = 430;
constexpr QPointF kValve(1600, 900);
constexpr double kValveHalf = 170;
constexpr double kFeedX = 900;

void PaintExpansionValve(QPainter& painter, const QPointF& centre, double half) {
  painter.save();
  painter.setPen(QPen(kInk, 22));
  painter.setBrush(Qt::white);
  const QPolygonF left{centre, centre + QPointF(-2 * half, -half), centre + QPointF(-2 * half, half)};
  const QPolygonF right{centre, centre + QPointF(2 * half, -half), centre + QPointF(2 * half, half)};
  painter.drawPolygon(left);
  painter.drawPolygon(right);
  // The stem and the sensing bulb's head.
  painter.drawLine(centre, centre + QPointF(0, -1.6 * half));
  painter.drawEllipse(centre + QPointF(0, -2.1 * half), half * 0.5, half * 0.5);
  painter.restore();
}

void Caption(QPainter& painter, const QRectF& box, const QString& text, int pixels, bool bold,
             Qt::Alignment alignment) {
  painter.setFont(DrawingFont(pixels, bold));
  painter.setPen(kInk);
  PaintFittedText(painter, box, text, alignment);
}

}  // namespace

void PaintPlotPicture(QPainter& painter, const QRectF& area) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  FitBoard(painter, kPlotWidth, kPlotHeight, area);

  PaintPlotMark(painter, QRectF(20, 20, 740, 740));
  painter.setPen(kInk);
  painter.setFont(DrawingFont(330, true));
  PaintFittedText(painter, QRectF(980, 40, 6900, 430), QStringLiteral("Refrigerant Pipe Sizing Report"),
                  Qt::AlignLeft | Qt::AlignVCenter);
  painter.setFont(DrawingFont(170));
  painter.setPen(QColor(0x4A, 0x55, 0x63));
  PaintFittedText(painter, QRectF(990, 470, 6900, 240),
                  QStringLiteral("Kestrin Refrigerant Pipe Sizing  |  copper suction, discharge and liquid lines"),
                  Qt::AlignLeft | Qt::AlignVCenter);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kCopper);
  painter.drawRect(QRectF(990, 735, 6975, 30));
  painter.restore();
}

void PaintPipingPicture(QPainter& painter, const QRectF& area) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  FitBoard(painter, kPipingWidth, kPipingHeight, area);

  const double compressorTop = kCompressorCentre.y() - kCompressorRadius;
  const double compressorLeft = kCompressorCentre.x() - kCompressorRadius;

  QPainterPath discharge;  // up from the compressor into the condenser
  discharge.moveTo(kCompressorCentre.x(), compressorTop);
  discharge.lineTo(kCompressorCentre.x(), kCondenser.bottom());
  QPainterPath liquid;  // from the condenser to the expansion valve
  liquid.moveTo(kCondenser.left(), kValve.y());
  liquid.lineTo(kValve.x() + 2 * kValveHalf, kValve.y());
  QPainterPath feed;  // from the valve down into the evaporator
  feed.moveTo(kValve.x() - 2 * kValveHalf, kValve.y());
  feed.lineTo(kFeedX + 200, kValve.y());
  feed.arcTo(QRectF(kFeedX, kValve.y(), 400, 400), 90, 90);
  feed.lineTo(kFeedX, kEvaporator.top());
  QPainterPath suction;  // from the evaporator back to the compressor
  suction.moveTo(kEvaporator.right(), kCompressorCentre.y());
  suction.lineTo(compressorLeft, kCompressorCentre.y());

  PaintPipes(painter, {{discharge, 110}, {liquid, 80}, {feed, 80}, {suction, 140}});
  PaintCoil(painter, kCondenser, 22);
  PaintCoil(painter, kEvaporator, 22);
  PaintCompressor(
      painter,
      QRectF(kCompressorCentre.x() - kCompressorRadius, compressorTop, 2 * kCompressorRadius, 2 * kCompressorRadius),
      22);
  PaintExpansionValve(painter, kValve, kValveHalf);

  PaintFlowArrow(painter, {kCompressorCentre.x() + 230, 2700}, {kCompressorCentre.x() + 230, 2000}, 170);
  PaintFlowArrow(painter, {4400, kValve.y() + 200}, {2500, kValve.y() + 200}, 170);
  PaintFlowArrow(painter, {kFeedX + 230, 1700}, {kFeedX + 230, 2400}, 170);
  PaintFlowArrow(painter, {2700, kCompressorCentre.y() - 220}, {4900, kCompressorCentre.y() - 220}, 170);

  Caption(painter, QRectF(kCondenser.left(), 80, kCondenser.width(), 320), QStringLiteral("Condenser"),
          kPipingCaptionPixels, false, Qt::AlignCenter);
  Caption(painter, QRectF(kEvaporator.left(), kEvaporator.bottom() + 60, kEvaporator.width(), 320),
          QStringLiteral("Evaporator"), kPipingCaptionPixels, false, Qt::AlignCenter);
  Caption(painter, QRectF(kCompressorCentre.x() - 900, kCompressorCentre.y() + kCompressorRadius + 60, 1800, 320),
          QStringLiteral("Compressor"), kPipingCaptionPixels, false, Qt::AlignCenter);
  Caption(painter, QRectF(kValve.x() - 900, kValve.y() + 250, 1800, 320), QStringLiteral("Expansion valve"),
          kPipingCaptionPixels, false, Qt::AlignCenter);

  Caption(painter, QRectF(kCompressorCentre.x() + 450, 2200, 1250, 320), QStringLiteral("Discharge line"),
          kPipingLinePixels, true, Qt::AlignLeft | Qt::AlignVCenter);
  Caption(painter, QRectF(2500, kValve.y() - 420, 2000, 320), QStringLiteral("Liquid line"), kPipingLinePixels, true,
          Qt::AlignCenter);
  Caption(painter, QRectF(2700, kCompressorCentre.y() + 150, 2200, 320), QStringLiteral("Suction line"),
          kPipingLinePixels, true, Qt::AlignCenter);
  painter.restore();
}

}  // namespace kestrin

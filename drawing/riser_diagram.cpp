#include "drawing/riser_diagram.h"

#include "drawing/drawing_kit.h"

#include <QPainter>
#include <QTransform>

#include <algorithm>

namespace kestrin {

namespace {

// Every drawing is laid out once on its own board and scaled, aspect kept,
// into whatever area it is given. Units are chosen so that fonts get whole
// pixel sizes large enough to measure well.
struct Board {
  double width;
  double height;
};

QTransform BoardToArea(const Board& board, const QRectF& area) {
  const double scale = std::min(area.width() / board.width, area.height() / board.height);
  const double left = area.left() + (area.width() - board.width * scale) / 2.0;
  const double top = area.top() + (area.height() - board.height * scale) / 2.0;
  return QTransform(scale, 0, 0, scale, left, top);
}

// The double riser. The horizontal main comes in at the foot from the
// equipment at the lower left; at the tee the small part-load riser rises
// straight up, while the flow for the large full-load riser first drops
// through the trap between the two. Both risers turn over and enter the
// header from above, so that oil cannot drain back into an idle riser; the
// header runs on to the equipment at the upper right.
constexpr Board kRiserBoard{3600, 4400};
constexpr double kLargePipe = 120;
constexpr double kSmallPipe = 80;
constexpr double kMainY = 3400;
constexpr double kPartLoadX = 1250;  // the small riser, rising from the tee
constexpr double kFullLoadX = 1850;  // the large riser, rising from the trap
constexpr double kTrapTopY = 3650;
constexpr double kTrapRadius = (kFullLoadX - kPartLoadX) / 2.0;
constexpr double kHeaderY = 1600;
constexpr double kHeaderStartX = 2250;
constexpr double kHeaderEndX = 2950;
constexpr double kPartLoadTopY = 600;
constexpr double kPartLoadDropX = 2650;
constexpr double kFullLoadLoopRadius = (kHeaderStartX - kFullLoadX) / 2.0;
constexpr double kFullLoadLoopY = 1250;
constexpr double kBend = 200;
constexpr double kArrow = 150;
constexpr double kLineWidth = 22;
constexpr int kCaptionPixels = 150;
constexpr int kSizePixels = 200;

const QRectF kFootEquipment(150, kMainY - 300, 600, 600);
const QRectF kHeadEquipment(kHeaderEndX, kHeaderY - 325, 550, 650);
const QRectF kPartLoadLabel(150, 1900, kPartLoadX - kSmallPipe - 150, 300);
const QRectF kFullLoadLabel(kFullLoadX + kLargePipe, 2300, 850, 300);

std::vector<PipeRun> RiserPipes() {
  // The full flow as one run, so that its corners join without a seam: in
  // along the main, down into the trap, up the large riser, over, and along
  // the header. The small riser leaves the main at the tee and drops into
  // the header; its ends lie inside the large run.
  QPainterPath fullFlow;
  fullFlow.moveTo(kFootEquipment.right(), kMainY);
  fullFlow.lineTo(kPartLoadX, kMainY);
  fullFlow.lineTo(kPartLoadX, kTrapTopY);
  const QRectF trap(kPartLoadX, kTrapTopY - kTrapRadius, 2 * kTrapRadius, 2 * kTrapRadius);
  fullFlow.arcTo(trap, 180, 180);
  fullFlow.lineTo(kFullLoadX, kFullLoadLoopY);
  const QRectF loop(kFullLoadX, kFullLoadLoopY - kFullLoadLoopRadius, 2 * kFullLoadLoopRadius, 2 * kFullLoadLoopRadius);
  fullFlow.arcTo(loop, 180, -180);
  fullFlow.lineTo(kHeaderStartX, kHeaderY);
  fullFlow.lineTo(kHeaderEndX, kHeaderY);

  QPainterPath partLoad;
  partLoad.moveTo(kPartLoadX, kMainY);
  partLoad.lineTo(kPartLoadX, kPartLoadTopY + kBend);
  partLoad.arcTo(QRectF(kPartLoadX, kPartLoadTopY, 2 * kBend, 2 * kBend), 180, -90);
  partLoad.lineTo(kPartLoadDropX - kBend, kPartLoadTopY);
  partLoad.arcTo(QRectF(kPartLoadDropX - 2 * kBend, kPartLoadTopY, 2 * kBend, 2 * kBend), 90, -90);
  partLoad.lineTo(kPartLoadDropX, kHeaderY);

  return {{fullFlow, kLargePipe}, {partLoad, kSmallPipe}};
}

void PaintRiserArrows(QPainter& painter) {
  PaintFlowArrow(painter, {kFootEquipment.right() + 60, kMainY - 200}, {kPartLoadX - 120, kMainY - 200}, kArrow);
  PaintFlowArrow(painter, {kPartLoadX + 150, 2800}, {kPartLoadX + 150, 2300}, kArrow);
  PaintFlowArrow(painter, {kFullLoadX - 150, 2800}, {kFullLoadX - 150, 2300}, kArrow);
  PaintFlowArrow(painter, {1750, kPartLoadTopY - 170}, {2250, kPartLoadTopY - 170}, kArrow);
  PaintFlowArrow(painter, {kHeaderStartX + 60, kHeaderY + 200}, {kHeaderEndX - 60, kHeaderY + 200}, kArrow);
}

void PaintEquipmentCaption(QPainter& painter, const QRectF& equipment, const QString& caption) {
  painter.setFont(DrawingFont(kCaptionPixels));
  painter.setPen(kInk);
  const double width = 900;
  const QRectF box(equipment.center().x() - width / 2.0, equipment.bottom() + 40, width, 220);
  PaintFittedText(painter, box.intersected(QRectF(0, 0, kRiserBoard.width, kRiserBoard.height)), caption,
                  Qt::AlignHCenter | Qt::AlignTop);
}

void PaintRiserBoard(QPainter& painter, RiserDrawing drawing) {
  PaintPipes(painter, RiserPipes());
  PaintTrapOil(painter, {kPartLoadX + kTrapRadius, kTrapTopY}, kTrapRadius, kLargePipe);
  PaintRiserArrows(painter);
  // Discharge gas rises from the compressor to the condenser; suction gas
  // from the evaporator to the compressor.
  if (drawing == RiserDrawing::Discharge) {
    PaintCompressor(painter, kFootEquipment, kLineWidth);
    PaintCoil(painter, kHeadEquipment, kLineWidth);
    PaintEquipmentCaption(painter, kFootEquipment, QStringLiteral("Compressor"));
    PaintEquipmentCaption(painter, kHeadEquipment, QStringLiteral("Condenser"));
  } else {
    PaintCoil(painter, kFootEquipment, kLineWidth);
    PaintCompressor(painter, kHeadEquipment, kLineWidth);
    PaintEquipmentCaption(painter, kFootEquipment, QStringLiteral("Evaporator"));
    PaintEquipmentCaption(painter, kHeadEquipment, QStringLiteral("Compressor"));
  }
}

// The oil trap: the horizontal line comes in at the left, drops into the U
// at the riser's foot, rises, and leaves at the top to the right.
constexpr Board kTrapBoard{3000, 2700};
constexpr double kTrapPipe = 130;
constexpr double kTrapInY = 1850;
constexpr double kTrapLeftLegX = 1050;
constexpr double kTrapFootY = 2150;
constexpr double kTrapURadius = 300;
constexpr double kTrapRiserX = kTrapLeftLegX + 2 * kTrapURadius;
constexpr double kTrapOutY = 450;

void PaintTrapBoard(QPainter& painter) {
  QPainterPath line;
  line.moveTo(150, kTrapInY);
  line.lineTo(kTrapLeftLegX - kBend, kTrapInY);
  line.arcTo(QRectF(kTrapLeftLegX - 2 * kBend, kTrapInY, 2 * kBend, 2 * kBend), 90, -90);
  line.lineTo(kTrapLeftLegX, kTrapFootY);
  line.arcTo(QRectF(kTrapLeftLegX, kTrapFootY - kTrapURadius, 2 * kTrapURadius, 2 * kTrapURadius), 180, 180);
  line.lineTo(kTrapRiserX, kTrapOutY + kBend);
  line.arcTo(QRectF(kTrapRiserX, kTrapOutY, 2 * kBend, 2 * kBend), 180, -90);
  line.lineTo(kTrapBoard.width - 150, kTrapOutY);
  PaintPipes(painter, {{line, kTrapPipe}});
  PaintTrapOil(painter, {kTrapLeftLegX + kTrapURadius, kTrapFootY}, kTrapURadius, kTrapPipe);

  PaintFlowArrow(painter, {250, kTrapInY - 220}, {750, kTrapInY - 220}, kArrow);
  PaintFlowArrow(painter, {kTrapRiserX + 230, 1700}, {kTrapRiserX + 230, 1100}, kArrow);
  PaintFlowArrow(painter, {kTrapRiserX + 400, kTrapOutY + 230}, {kTrapBoard.width - 300, kTrapOutY + 230}, kArrow);
}

}  // namespace

RiserLabelPlaces RiserLabelPlacesIn(RiserDrawing /*drawing*/, const QRectF& area) {
  // Both variants share the pipework, so the labels sit alike: the part-load
  // size left of the small riser, the full-load size right of the large one.
  const QTransform toArea = BoardToArea(kRiserBoard, area);
  return {toArea.mapRect(kFullLoadLabel), toArea.mapRect(kPartLoadLabel)};
}

void PaintDoubleRiser(QPainter& painter, const QRectF& area, RiserDrawing drawing) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setTransform(BoardToArea(kRiserBoard, area), true);
  PaintRiserBoard(painter, drawing);
  painter.restore();
}

void PaintDoubleRiserWithSizes(QPainter& painter, const QRectF& area, RiserDrawing drawing, const QString& fullLoadSize,
                               const QString& partLoadSize) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setTransform(BoardToArea(kRiserBoard, area), true);
  PaintRiserBoard(painter, drawing);
  painter.setFont(DrawingFont(kSizePixels, true));
  painter.setPen(kInk);
  PaintFittedText(painter, kFullLoadLabel, fullLoadSize, Qt::AlignLeft | Qt::AlignVCenter);
  PaintFittedText(painter, kPartLoadLabel, partLoadSize, Qt::AlignRight | Qt::AlignVCenter);
  painter.restore();
}

void PaintTrap(QPainter& painter, const QRectF& area) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setTransform(BoardToArea(kTrapBoard, area), true);
  PaintTrapBoard(painter);
  painter.restore();
}

}  // namespace kestrin

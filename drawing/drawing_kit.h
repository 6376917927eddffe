#pragma once
// The strokes every drawing of the program shares: copper pipes with a dark
// rim, flow arrows, the equipment symbols, and text that keeps inside its
// box. Sizes are in the caller's units, so a drawing painted under a scaling
// transform looks the same on screen, on paper and in a PDF.

#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

namespace kestrin {

inline const QColor kCopper{0xD8, 0x93, 0x5A};
inline const QColor kCopperRim{0x6B, 0x3E, 0x1F};
inline const QColor kOil{0x9C, 0x7A, 0x1E};
inline const QColor kInk{0x26, 0x2B, 0x33};
inline const QColor kEquipmentFill{0xEE, 0xF1, 0xF5};

struct PipeRun {
  QPainterPath centreLine;
  double width = 0;
};

// Paints every rim first and every copper core after, so that where runs
// meet (a tee, a header) they merge into one pipe with no seam across it.
void PaintPipes(QPainter& painter, const std::vector<PipeRun>& runs);

// Oil lying in the bottom of a trap whose U is the lower half of the circle
// round `centre`.
void PaintTrapOil(QPainter& painter, const QPointF& centre, double radius, double pipeWidth);

// An arrow along the flow, head at `to`; `size` sets stroke and head alike.
void PaintFlowArrow(QPainter& painter, const QPointF& from, const QPointF& to, double size);

// Equipment symbols, each filling `box`.
void PaintCompressor(QPainter& painter, const QRectF& box, double lineWidth);
void PaintCoil(QPainter& painter, const QRectF& box, double lineWidth);

// The family of every text of the drawings and the report, with its metric-
// compatible substitutes, at `pixelSize` painter units. Hinting is off so
// that text measures the same at every scale.
QFont DrawingFont(int pixelSize, bool bold = false);
QFont TitleFont(int pixelSize, bool bold = false);

// Draws one line of text inside `box`. A text wider than the box is narrowed
// (down to three quarters of its width) and, if that is not enough, cut with
// an ellipsis: it never spills over its neighbours.
void PaintFittedText(QPainter& painter, const QRectF& box, const QString& text, Qt::Alignment alignment);

}  // namespace kestrin

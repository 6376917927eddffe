#pragma once
// The two fixed pictures of the report: the title graphic at the head of the
// sheet and the piping illustration beside the drawing. Painted as vectors,
// each fills the area it is given with its aspect kept.

#include <QRectF>

class QPainter;

namespace kestrin {

// "plot": the sheet's title graphic.
void PaintPlotPicture(QPainter& painter, const QRectF& area);
// "piping": the refrigerant circuit with its three lines.
void PaintPipingPicture(QPainter& painter, const QRectF& area);

}  // namespace kestrin

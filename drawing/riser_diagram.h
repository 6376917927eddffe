#pragma once
// The drawings of a double riser (discharge and suction) and of a riser's oil
// trap, painted as vectors so they read well on screen and on paper. The
// double riser window and the report both paint them here.

#include <QRectF>
#include <QString>

class QPainter;

namespace kestrin {

enum class RiserDrawing { Discharge, Suction };

// Where the size labels sit on a double riser drawing painted into `area`:
// the full-load riser's (LR10 / LR8) and the part-load riser's (LR9 / LR7).
struct RiserLabelPlaces {
  QRectF fullLoad;
  QRectF partLoad;
};
RiserLabelPlaces RiserLabelPlacesIn(RiserDrawing drawing, const QRectF& area);

// The drawing alone, without size labels (the window places its own labels).
void PaintDoubleRiser(QPainter& painter, const QRectF& area, RiserDrawing drawing);
// The drawing with both size labels written in their places (the report).
void PaintDoubleRiserWithSizes(QPainter& painter, const QRectF& area, RiserDrawing drawing, const QString& fullLoadSize,
                               const QString& partLoadSize);
// The oil trap at the foot of a riser.
void PaintTrap(QPainter& painter, const QRectF& area);

}  // namespace kestrin

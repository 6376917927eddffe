#pragma once
// A line capacity table on one page: its title and conditions, the table
// with the sizes down and the evaporating temperatures across, and the note
// under it. The caller chooses the device and the area.

#include <QRectF>

class QPainter;

namespace kestrin {

struct ShownCapacityTable;

void PaintCapacityTablePage(QPainter& painter, const ShownCapacityTable& table, const QRectF& target);

}  // namespace kestrin

#pragma once
// The one painting routine of the results report. The caller chooses the
// device (printer, PDF, image) and the area; the sheet is scaled into it with
// its aspect kept and centred, so it renders crisply at any resolution.

#include <QRectF>

class QPainter;

namespace kestrin {

struct ReportModel;

void PaintReportPage(QPainter& painter, const ReportModel& model, const QRectF& target);

}  // namespace kestrin

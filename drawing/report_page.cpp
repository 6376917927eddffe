#include "drawing/report_page.h"

#include "core/report/report_model.h"
#include "drawing/drawing_kit.h"
#include "drawing/report_pictures.h"
#include "drawing/riser_diagram.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace kestrin {

namespace {

// Font sizes in twips (20 to the point).
constexpr int kLabelPixels = 150;
constexpr int kTitlePixels = 170;
constexpr int kNotePixels = 160;
constexpr int kSmallestNotePixels = 120;
constexpr int kHeadingPixels = 200;
constexpr int kLineTitlePixels = 230;
constexpr int kContactPixels = 130;
constexpr int kRuleWidth = 12;
// Fields stand as high as a label plus a frame's worth; their text sits on
// the label's line so each row reads along one baseline.
constexpr int kTextBand = 255;

QFont FontOf(ReportTextStyle style) {
  switch (style) {
    case ReportTextStyle::Label:
    case ReportTextStyle::Field: return DrawingFont(kLabelPixels);
    case ReportTextStyle::TitleField: return TitleFont(kTitlePixels);
    case ReportTextStyle::Note: return TitleFont(kNotePixels);
    case ReportTextStyle::Heading:
    case ReportTextStyle::DrawingCaption: return DrawingFont(kHeadingPixels, true);
    case ReportTextStyle::LineTitle: return DrawingFont(kLineTitlePixels, true);
    case ReportTextStyle::Banner: return DrawingFont(kLabelPixels, true);
    case ReportTextStyle::Contact: return DrawingFont(kContactPixels);
  }
  return DrawingFont(kLabelPixels);
}

// The note wraps inside its box; a note too long for it is set smaller
// before anything is cut.
void PaintNote(QPainter& painter, const QRect& box, const QString& note) {
  const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
  for (int pixels = kNotePixels; pixels >= kSmallestNotePixels; pixels -= 10) {
    painter.setFont(TitleFont(pixels));
    const QFontMetricsF metrics(painter.font(), painter.device());
    if (metrics.boundingRect(QRectF(box), flags, note).height() <= box.height() || pixels == kSmallestNotePixels) {
      break;
    }
  }
  painter.save();
  painter.setClipRect(box);
  painter.drawText(QRectF(box), flags, note);
  painter.restore();
}

void PaintText(QPainter& painter, const ReportText& item) {
  if (item.text.isEmpty()) {
    return;
  }
  if (item.style == ReportTextStyle::Note) {
    PaintNote(painter, item.place, item.text);
    return;
  }
  painter.setFont(FontOf(item.style));
  QRectF band(item.place);
  if (item.style == ReportTextStyle::Field || item.style == ReportTextStyle::TitleField) {
    band.setHeight(std::min<double>(band.height(), kTextBand));
  }
  PaintFittedText(painter, band, item.text, Qt::AlignLeft | Qt::AlignVCenter);
}

void PaintDrawing(QPainter& painter, const ReportModel& model) {
  const QRectF place(model.drawingPlace);
  switch (model.drawing) {
    case ReportDrawing::Trap: PaintTrap(painter, place); break;
    case ReportDrawing::SuctionRiser:
      PaintDoubleRiserWithSizes(painter, place, RiserDrawing::Suction, model.fullLoadSize, model.partLoadSize);
      break;
    case ReportDrawing::DischargeRiser:
      PaintDoubleRiserWithSizes(painter, place, RiserDrawing::Discharge, model.fullLoadSize, model.partLoadSize);
      break;
  }
}

}  // namespace

void PaintReportPage(QPainter& painter, const ReportModel& model, const QRectF& target) {
  const double scale = std::min(target.width() / kReportPageWidth, target.height() / kReportPageHeight);
  if (scale <= 0) {
    return;
  }
  painter.save();
  painter.translate(target.left() + (target.width() - kReportPageWidth * scale) / 2.0,
                    target.top() + (target.height() - kReportPageHeight * scale) / 2.0);
  painter.scale(scale, scale);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
  painter.fillRect(QRect(0, 0, kReportPageWidth, kReportPageHeight), Qt::white);

  PaintPlotPicture(painter, model.plotPicture);
  PaintPipingPicture(painter, model.pipingPicture);
  PaintDrawing(painter, model);

  painter.setPen(QPen(QColor(0x8A, 0x93, 0x9E), kRuleWidth));
  for (const QLine& rule : model.rules) {
    painter.drawLine(rule);
  }
  painter.setPen(kInk);
  for (const ReportText& item : model.texts) {
    PaintText(painter, item);
  }
  painter.restore();
}

}  // namespace kestrin

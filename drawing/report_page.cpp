#include "drawing/report_page.h"

#include "core/report/report_model.h"
#include "drawing/drawing_kit.h"
#include "drawing/report_pictures.h"
#include "drawing/riser_diagram.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

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
// The dark red of the window's warning line.
const QColor kWarningDarkRed{128, 0, 0};
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
    case ReportTextStyle::Contact:
    case ReportTextStyle::Reading: return DrawingFont(kContactPixels);
    case ReportTextStyle::Warning: return DrawingFont(kLabelPixels);
  }
  return DrawingFont(kLabelPixels);
}

// The note as it wraps in `width`: its lines are laid out until one no
// longer stands whole in `height`. Gives how many lines stand whole, and
// whether the note goes on after them.
struct NoteLines {
  int whole = 0;
  bool cut = false;
};

NoteLines LayOutNote(QTextLayout& layout, double width, double height) {
  QTextOption option(Qt::AlignLeft);
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  NoteLines lines;
  double top = 0;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    if (top + line.height() > height) {
      lines.cut = true;
      break;
    }
    line.setPosition(QPointF(0, top));
    top += line.height();
    ++lines.whole;
  }
  layout.endLayout();
  return lines;
}

// The note wraps inside its box; a note too long for it is set smaller
// before anything is cut, and then only whole lines are shown, the last one
// ending with "…" so that the reader sees that the note goes on.
void PaintNote(QPainter& painter, const QRect& box, const QString& note) {
  QString text = note;
  text.replace(u'\n', QChar::LineSeparator);
  QFont font;
  for (int pixels = kNotePixels; pixels >= kSmallestNotePixels; pixels -= 10) {
    font = TitleFont(pixels);
    QTextLayout trial(text, font, painter.device());
    if (!LayOutNote(trial, box.width(), box.height()).cut) break;
  }
  QTextLayout layout(text, font, painter.device());
  const NoteLines lines = LayOutNote(layout, box.width(), box.height());
  const int drawn = lines.cut ? lines.whole - 1 : lines.whole;
  for (int i = 0; i < drawn; ++i) layout.lineAt(i).draw(&painter, box.topLeft());
  if (!lines.cut || lines.whole == 0) return;

  const QTextLine last = layout.lineAt(lines.whole - 1);
  QString lastText = text.mid(last.textStart(), last.textLength());
  while (!lastText.isEmpty() && lastText.back().isSpace()) lastText.chop(1);
  painter.save();
  painter.setFont(font);
  const QFontMetricsF metrics(font, painter.device());
  const QString shown = metrics.elidedText(lastText + u'…', Qt::ElideRight, box.width());
  painter.drawText(QPointF(box.left(), box.top() + last.y() + last.ascent()), shown);
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
  const QPen ink = painter.pen();
  if (item.style == ReportTextStyle::Warning) painter.setPen(kWarningDarkRed);
  QRectF band(item.place);
  if (item.style == ReportTextStyle::Field || item.style == ReportTextStyle::TitleField) {
    band.setHeight(std::min<double>(band.height(), kTextBand));
  }
  PaintFittedText(painter, band, item.text, Qt::AlignLeft | Qt::AlignVCenter);
  painter.setPen(ink);
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

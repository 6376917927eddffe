#include "drawing/capacity_table_page.h"

#include "core/sizing/capacity_table_texts.h"
#include "drawing/drawing_kit.h"

#include <QPainter>

#include <algorithm>

namespace kestrin {
namespace {

// The page is laid out on a sheet of A4 proportions, in tenths of a
// millimetre, and scaled into the target.
constexpr double kSheetWidth = 2100;
constexpr double kSheetHeight = 2970;
constexpr double kMargin = 150;
constexpr int kTitlePixels = 60;
constexpr int kTextPixels = 38;
constexpr double kRowHeight = 70;
constexpr double kSizeColumnWidth = 300;
constexpr double kCellPadding = 20;
constexpr double kRuleWidth = 3;
const QColor kBelowOilReturnGrey{0x80, 0x80, 0x80};
const QColor kHeaderFill{0xEE, 0xF1, 0xF5};

// Wraps `text` across the sheet's width from `top`; gives the bottom.
double PaintParagraph(QPainter& painter, const QString& text, double top, const QFont& font) {
  painter.setFont(font);
  const QRectF area(kMargin, top, kSheetWidth - 2 * kMargin, kSheetHeight);
  const QRectF used = painter.boundingRect(area, Qt::AlignLeft | Qt::TextWordWrap, text);
  painter.drawText(area, Qt::AlignLeft | Qt::TextWordWrap, text);
  return used.bottom();
}

void PaintCell(QPainter& painter, const QRectF& box, const QString& text, Qt::Alignment alignment) {
  painter.drawRect(box);
  PaintFittedText(painter, box.adjusted(kCellPadding, 0, -kCellPadding, 0), text, alignment | Qt::AlignVCenter);
}

}  // namespace

void PaintCapacityTablePage(QPainter& painter, const ShownCapacityTable& table, const QRectF& target) {
  painter.save();
  const double scale = std::min(target.width() / kSheetWidth, target.height() / kSheetHeight);
  painter.translate(target.center() - QPointF(kSheetWidth, kSheetHeight) * scale / 2);
  painter.scale(scale, scale);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(kInk);

  double top = PaintParagraph(painter, table.title, kMargin, DrawingFont(kTitlePixels, true)) + kRowHeight / 2;
  top = PaintParagraph(painter, table.conditions, top, DrawingFont(kTextPixels)) + kRowHeight / 2;

  const double columnWidth = (kSheetWidth - 2 * kMargin - kSizeColumnWidth) /
                             static_cast<double>(std::max<qsizetype>(1, table.columnCaptions.size()));
  painter.setPen(QPen(kInk, kRuleWidth));
  painter.setBrush(kHeaderFill);
  painter.setFont(DrawingFont(kTextPixels, true));
  PaintCell(painter, QRectF(kMargin, top, kSizeColumnWidth, kRowHeight), table.sizeCaption, Qt::AlignLeft);
  for (qsizetype c = 0; c < table.columnCaptions.size(); ++c)
    PaintCell(painter,
              QRectF(kMargin + kSizeColumnWidth + static_cast<double>(c) * columnWidth, top, columnWidth, kRowHeight),
              table.columnCaptions[c], Qt::AlignRight);
  top += kRowHeight;

  painter.setBrush(Qt::NoBrush);
  for (std::size_t r = 0; r < table.cells.size(); ++r) {
    painter.setPen(QPen(kInk, kRuleWidth));
    painter.setFont(DrawingFont(kTextPixels, true));
    PaintCell(painter, QRectF(kMargin, top, kSizeColumnWidth, kRowHeight), table.sizeNames[static_cast<qsizetype>(r)],
              Qt::AlignLeft);
    for (std::size_t c = 0; c < table.cells[r].size(); ++c) {
      const ShownCapacityCell& cell = table.cells[r][c];
      QFont font = DrawingFont(kTextPixels);
      font.setItalic(cell.belowOilReturn);
      painter.setFont(font);
      const QRectF box(kMargin + kSizeColumnWidth + static_cast<double>(c) * columnWidth, top, columnWidth, kRowHeight);
      painter.setPen(QPen(kInk, kRuleWidth));
      painter.drawRect(box);
      painter.setPen(cell.belowOilReturn ? kBelowOilReturnGrey : kInk);
      PaintFittedText(painter, box.adjusted(kCellPadding, 0, -kCellPadding, 0), cell.capacity,
                      Qt::AlignRight | Qt::AlignVCenter);
    }
    top += kRowHeight;
  }
  painter.setPen(kInk);
  const QStringList below = QStringList{table.note} + table.emptyCells;
  PaintParagraph(painter, below.join(u'\n'), top + kRowHeight / 2, DrawingFont(kTextPixels));
  painter.restore();
}

}  // namespace kestrin

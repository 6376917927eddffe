#include "drawing/report_pdf.h"

#include "core/report/report_model.h"
#include "drawing/report_page.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace kestrin {

namespace {

constexpr int kPdfResolution = 1200;
constexpr double kPageMarginMm = 5.0;

}  // namespace

PdfWriteResult WritePagePdf(const PdfPage& page, const QString& path) {
  // The document is made in memory first, so a failed write never leaves a
  // half file where the user expects a page.
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  const QString notMade = QStringLiteral("The %1 page could not be made.").arg(page.what);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter));
    writer.setTitle(page.title);
    writer.setCreator(ReportBannerText());
    QPainter painter;
    if (!painter.begin(&writer)) {
      return {false, notMade};
    }
    const QRectF sheet(QPointF(0, 0), writer.pageLayout().fullRectPixels(kPdfResolution).size());
    const double margin = kPageMarginMm / 25.4 * kPdfResolution;
    page.paint(painter, sheet.adjusted(margin, margin, -margin, -margin));
    if (!painter.end()) {
      return {false, notMade};
    }
  }

  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(buffer.data()) != buffer.size() || !file.commit()) {
    return {false, QStringLiteral("The %1 could not be written to %2: %3").arg(page.what, path, file.errorString())};
  }
  return {true, {}};
}

PdfPage ReportPdfPage(const ReportModel& model) {
  return {QStringLiteral("report"), QStringLiteral("Refrigerant pipe sizing report"),
          [&model](QPainter& painter, const QRectF& area) { PaintReportPage(painter, model, area); }};
}

PdfWriteResult WriteReportPdf(const ReportModel& model, const QString& path) {
  return WritePagePdf(ReportPdfPage(model), path);
}

}  // namespace kestrin

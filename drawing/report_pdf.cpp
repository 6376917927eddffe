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

PdfWriteResult WriteReportPdf(const ReportModel& model, const QString& path) {
  // The document is made in memory first, so a failed write never leaves a
  // half file where the user expects a report.
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter));
    writer.setTitle(QStringLiteral("Refrigerant pipe sizing report"));
    writer.setCreator(ReportBannerText());
    QPainter painter;
    if (!painter.begin(&writer)) {
      return {false, QStringLiteral("The report page could not be made.")};
    }
    const QRectF page(QPointF(0, 0), writer.pageLayout().fullRectPixels(kPdfResolution).size());
    const double margin = kPageMarginMm / 25.4 * kPdfResolution;
    PaintReportPage(painter, model, page.adjusted(margin, margin, -margin, -margin));
    if (!painter.end()) {
      return {false, QStringLiteral("The report page could not be made.")};
    }
  }

  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(buffer.data()) != buffer.size() || !file.commit()) {
    return {false, QStringLiteral("The report could not be written to %1: %2").arg(path, file.errorString())};
  }
  return {true, {}};
}

}  // namespace kestrin

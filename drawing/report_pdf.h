#pragma once
// The one-page report written as a PDF file, for kestrin-size and for a
// desktop without a printer. Needs a QGuiApplication (fonts).

#include <QRectF>
#include <QString>

#include <functional>

class QPainter;

namespace kestrin {

struct ReportModel;

struct PdfWriteResult {
  bool written = false;
  QString error;  // why the file was not written, in the user's words
};

// One page to write: `what` names it in messages ("report"), `title` goes
// into the document's properties, `paint` draws it into the area given.
struct PdfPage {
  QString what;
  QString title;
  std::function<void(QPainter&, const QRectF&)> paint;
};

// Writes the page on A4. The file is replaced only when the whole document
// was made; a failure leaves any earlier file as it was.
PdfWriteResult WritePagePdf(const PdfPage& page, const QString& path);

// The report's page; it paints `model`, which must outlive it.
PdfPage ReportPdfPage(const ReportModel& model);

// Writes the sheet on an A4 page. The file is replaced only when the whole
// document was made; a failure leaves any earlier file as it was.
PdfWriteResult WriteReportPdf(const ReportModel& model, const QString& path);

}  // namespace kestrin

#pragma once
// The one-page report written as a PDF file, for kestrin-size and for a
// desktop without a printer. Needs a QGuiApplication (fonts).

#include <QString>

namespace kestrin {

struct ReportModel;

struct PdfWriteResult {
  bool written = false;
  QString error;  // why the file was not written, in the user's words
};

// Writes the sheet on an A4 page. The file is replaced only when the whole
// document was made; a failure leaves any earlier file as it was.
PdfWriteResult WriteReportPdf(const ReportModel& model, const QString& path);

}  // namespace kestrin

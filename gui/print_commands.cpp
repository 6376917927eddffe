#include "gui/print_commands.h"

#include "core/messages.h"
#include "drawing/report_page.h"
#include "drawing/report_pdf.h"
#include "gui/dialogs/frmtitle.h"
#include "gui/message_boxes.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace kestrin {

namespace {

QString AskPdfPathByDialog(QWidget* parent) {
  QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Save the report as PDF"),
                                              QDir::home().filePath(QStringLiteral("report.pdf")),
                                              QStringLiteral("PDF files (*.pdf)"));
  if (!path.isEmpty() && !path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
    path += QStringLiteral(".pdf");
  }
  return path;
}

}  // namespace

bool PrintReportPage(QPrinter& printer, const ReportModel& model) {
  QPainter painter;
  if (!painter.begin(&printer)) {
    return false;
  }
  // The painter starts at the corner of the printable area, in printer dots.
  const QRectF printable(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
  PaintReportPage(painter, model, printable);
  return painter.end() && printer.printerState() != QPrinter::Error;
}

QString PrintFailedMessage(const QString& printerName) {
  if (printerName.isEmpty()) {
    return QStringLiteral("The report could not be printed.");
  }
  return QStringLiteral("The report could not be printed on %1.").arg(printerName);
}

QString NoPrinterQuestion() {
  return QStringLiteral("No printer is installed.\nSave the report as a PDF file instead?");
}

PrintCommands::PrintCommands(SessionState& state, QWidget* window)
    : state_(state), window_(window), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  hooks_.now = [] { return QDateTime::currentDateTime(); };
  hooks_.printerInstalled = [] { return !QPrinterInfo::availablePrinters().isEmpty(); };
  hooks_.askPdfPath = AskPdfPathByDialog;
}

PrintCommands::~PrintCommands() = default;

QPrinter& PrintCommands::Printer() { return *printer_; }

void PrintCommands::Print(const MainFieldTexts& fields, const MainOutputTexts& outputs) {
  Frmtitle* dialog = nullptr;
  Frmtitle title(
      state_, [&] { PrintReport(fields, outputs, dialog); }, window_);
  dialog = &title;
  title.exec();
}

void PrintCommands::PrintSetup() {
  QPrintDialog dialog(printer_.get(), window_);
  dialog.exec();
}

void PrintCommands::PrintReport(const MainFieldTexts& fields, const MainOutputTexts& outputs, QWidget* dialogParent) {
  // Built afresh for every print: the date and time are those of this print.
  const ReportModel model = BuildReport(ReportInputsOf(fields, outputs, state_), hooks_.now());
  // A printer set to print to a file needs no printer installed.
  if (printer_->outputFileName().isEmpty() && !hooks_.printerInstalled()) {
    OfferPdf(model, dialogParent);
    return;
  }
  if (!PrintReportPage(*printer_, model)) {
    ShowError(dialogParent, PrintFailedMessage(printer_->printerName()));
  }
}

void PrintCommands::OfferPdf(const ReportModel& model, QWidget* dialogParent) {
  const auto answer = QMessageBox::question(dialogParent, QStringLiteral("Print"), NoPrinterQuestion(),
                                            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
  if (answer != QMessageBox::Yes) {
    return;
  }
  const QString path = hooks_.askPdfPath(dialogParent);
  if (path.isEmpty()) {
    return;
  }
  const PdfWriteResult result = WriteReportPdf(model, path);
  if (!result.written) {
    ShowError(dialogParent, result.error);
  }
}

}  // namespace kestrin

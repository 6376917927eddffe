#include "gui/print_commands.h"

#include "core/messages.h"
#include "core/sizing/capacity_table_texts.h"
#include "drawing/capacity_table_page.h"
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

QString AskPdfPathByDialog(QWidget* parent, const QString& what) {
  QString fileName = what;
  fileName.replace(u' ', u'-');
  QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Save the %1 as PDF").arg(what),
                                              QDir::home().filePath(fileName + QStringLiteral(".pdf")),
                                              QStringLiteral("PDF files (*.pdf)"));
  if (!path.isEmpty() && !path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
    path += QStringLiteral(".pdf");
  }
  return path;
}

}  // namespace

bool PrintPageOn(QPrinter& printer, const PdfPage& page) {
  QPainter painter;
  if (!painter.begin(&printer)) {
    return false;
  }
  // The painter starts at the corner of the printable area, in printer dots.
  const QRectF printable(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
  page.paint(painter, printable);
  return painter.end() && printer.printerState() != QPrinter::Error;
}

bool PrintReportPage(QPrinter& printer, const ReportModel& model) { return PrintPageOn(printer, ReportPdfPage(model)); }

QString PrintFailedMessage(const QString& printerName, const QString& what) {
  if (printerName.isEmpty()) {
    return QStringLiteral("The %1 could not be printed.").arg(what);
  }
  return QStringLiteral("The %1 could not be printed on %2.").arg(what, printerName);
}

QString NoPrinterQuestion(const QString& what) {
  return QStringLiteral("No printer is installed.\nSave the %1 as a PDF file instead?").arg(what);
}

PrintCommands::PrintCommands(SessionState& state, QWidget* window)
    : state_(state), window_(window), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  hooks_.now = [] { return QDateTime::currentDateTime(); };
  hooks_.printerInstalled = [] { return !QPrinterInfo::availablePrinters().isEmpty(); };
  hooks_.askPdfPath = [this](QWidget* parent) { return AskPdfPathByDialog(parent, printing_); };
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
  PrintPage(ReportPdfPage(model), dialogParent);
}

void PrintCommands::PrintCapacityTable(const ShownCapacityTable& table, QWidget* dialogParent) {
  PrintPage({QStringLiteral("capacity table"), table.title,
             [&table](QPainter& painter, const QRectF& area) { PaintCapacityTablePage(painter, table, area); }},
            dialogParent);
}

void PrintCommands::PrintPage(const PdfPage& page, QWidget* dialogParent) {
  printing_ = page.what;
  // A printer set to print to a file needs no printer installed.
  if (printer_->outputFileName().isEmpty() && !hooks_.printerInstalled()) {
    OfferPdf(page, dialogParent);
    return;
  }
  if (!PrintPageOn(*printer_, page)) {
    ShowError(dialogParent, PrintFailedMessage(printer_->printerName(), page.what));
  }
}

void PrintCommands::OfferPdf(const PdfPage& page, QWidget* dialogParent) {
  const auto answer = QMessageBox::question(dialogParent, QStringLiteral("Print"), NoPrinterQuestion(page.what),
                                            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
  if (answer != QMessageBox::Yes) {
    return;
  }
  const QString path = hooks_.askPdfPath(dialogParent);
  if (path.isEmpty()) {
    return;
  }
  const PdfWriteResult result = WritePagePdf(page, path);
  if (!result.written) {
    ShowError(dialogParent, result.error);
  }
}

}  // namespace kestrin

#pragma once
// The main window's printing commands: "&Print" asks for the report's title
// and prints the results report; "Print Setup" chooses the printer. One
// printer is kept for the whole run, so the setup holds for later prints.

#include "core/main_fields.h"
#include "core/report/report_model.h"
#include "core/session_state.h"
#include "drawing/report_pdf.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace kestrin {

struct ShownCapacityTable;

// Prints the page on `printer`, scaled to its printable area at its own
// resolution. False when the printer refused the page.
bool PrintPageOn(QPrinter& printer, const PdfPage& page);
bool PrintReportPage(QPrinter& printer, const ReportModel& model);

// What the user is told when printing `what` cannot go the usual way.
QString PrintFailedMessage(const QString& printerName, const QString& what = QStringLiteral("report"));
QString NoPrinterQuestion(const QString& what = QStringLiteral("report"));

class PrintCommands {
 public:
  // The parts a test replaces: the clock, whether any printer is installed,
  // and the file dialog that picks where the PDF goes (an empty path means
  // the user cancelled).
  struct Hooks {
    std::function<QDateTime()> now;
    std::function<bool()> printerInstalled;
    std::function<QString(QWidget* parent)> askPdfPath;
  };

  // `window` parents the dialogs; `state` holds the title texts, the unit
  // system, mode, counts and the accepted riser.
  PrintCommands(SessionState& state, QWidget* window);
  ~PrintCommands();
  PrintCommands(const PrintCommands&) = delete;
  PrintCommands& operator=(const PrintCommands&) = delete;

  // "&Print": opens the title dialog; its OK stores the texts and prints the
  // report of these main window texts; its Cancel changes nothing.
  void Print(const MainFieldTexts& fields, const MainOutputTexts& outputs);
  // "Print Setup": the platform's printer dialog. Cancelling ends quietly.
  void PrintSetup();

  // Builds the report as the state now stands and prints it: on the printer,
  // or, with none installed, offered as a PDF file. Failures are told to the
  // user in a message box over `dialogParent`.
  void PrintReport(const MainFieldTexts& fields, const MainOutputTexts& outputs, QWidget* dialogParent);
  // A line capacity table on one page, the same way.
  void PrintCapacityTable(const ShownCapacityTable& table, QWidget* dialogParent);

  QPrinter& Printer();
  Hooks& TestHooks() { return hooks_; }

 private:
  void PrintPage(const PdfPage& page, QWidget* dialogParent);
  void OfferPdf(const PdfPage& page, QWidget* dialogParent);

  SessionState& state_;
  QWidget* window_;
  std::unique_ptr<QPrinter> printer_;
  Hooks hooks_;
  QString printing_;  // what the page being printed is, for the file dialog
};

}  // namespace kestrin

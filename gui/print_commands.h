#pragma once
// The main window's printing commands: "&Print" asks for the report's title
// and prints the results report; "Print Setup" chooses the printer. One
// printer is kept for the whole run, so the setup holds for later prints.

#include "core/main_fields.h"
#include "core/report/report_model.h"
#include "core/session_state.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace kestrin {

// Prints the sheet on `printer`, scaled to its printable area at its own
// resolution. False when the printer refused the page.
bool PrintReportPage(QPrinter& printer, const ReportModel& model);

// What the user is told when printing cannot go the usual way.
QString PrintFailedMessage(const QString& printerName);
QString NoPrinterQuestion();

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

  QPrinter& Printer();
  Hooks& TestHooks() { return hooks_; }

 private:
  void OfferPdf(const ReportModel& model, QWidget* dialogParent);

  SessionState& state_;
  QWidget* window_;
  std::unique_ptr<QPrinter> printer_;
  Hooks hooks_;
};

}  // namespace kestrin

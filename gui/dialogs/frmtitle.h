#pragma once
// "Plot Title": the customer, project and note printed at the head of the
// report. The texts live in the shared state, so they are offered again at
// the next print and saved with the project.

#include "core/session_state.h"

#include <QDialog>

#include <functional>

class QLineEdit;
class QPlainTextEdit;

namespace kestrin {

class Frmtitle : public QDialog {
  Q_OBJECT

 public:
  // `printReport` runs on OK, once the texts are stored; the dialog closes
  // after it. Cancel stores nothing and prints nothing.
  Frmtitle(SessionState& state, std::function<void()> printReport, QWidget* parent = nullptr);

 private:
  void Cmd1Click();

  SessionState& state_;
  std::function<void()> printReport_;
  QLineEdit* customer_;
  QLineEdit* project_;
  QPlainTextEdit* note_;
};

}  // namespace kestrin

#pragma once
// "Process": the choice between design mode, in which the program chooses
// the tube, and checking mode, in which the user names it. The dialog only
// chooses; the caller keeps the choice and applies it.

#include "core/units/units.h"

#include <QDialog>

class QRadioButton;

namespace kestrin {

class Frmprocess : public QDialog {
  Q_OBJECT
 public:
  // Opens with the working mode in force ticked.
  explicit Frmprocess(WorkingMode current, QWidget* parent = nullptr);

  // The mode ticked when OK was pressed.
  WorkingMode chosenMode() const;

 private:
  QRadioButton* design_ = nullptr;
  QRadioButton* checking_ = nullptr;
};

}  // namespace kestrin

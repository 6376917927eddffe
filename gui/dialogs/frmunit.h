#pragma once
// "Default Units": the choice between English (IP) and metric (SI) units.
// The dialog only chooses; the caller keeps the choice and applies it.

#include "core/units/units.h"

#include <QDialog>

class QRadioButton;

namespace kestrin {

class Frmunit : public QDialog {
  Q_OBJECT
 public:
  // Opens with the unit system in force ticked.
  explicit Frmunit(UnitSystem current, QWidget* parent = nullptr);

  // The system ticked when OK was pressed.
  UnitSystem chosenUnit() const;

 private:
  QRadioButton* imperial_ = nullptr;
  QRadioButton* metric_ = nullptr;
};

}  // namespace kestrin

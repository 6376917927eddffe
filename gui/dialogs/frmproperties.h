#pragma once
// "Properties": the choice between the refrigerants' property correlations
// and their reference equations of state. The dialog only chooses; the
// caller keeps the choice and applies it.

#include "core/physics/property_source.h"

#include <QDialog>

class QRadioButton;

namespace kestrin {

class Frmproperties : public QDialog {
  Q_OBJECT
 public:
  // Opens with the source in force ticked.
  explicit Frmproperties(PropertySource current, QWidget* parent = nullptr);

  // The source ticked when OK was pressed.
  PropertySource chosenSource() const;

 private:
  QRadioButton* correlations_ = nullptr;
  QRadioButton* reference_ = nullptr;
};

}  // namespace kestrin

#include "gui/dialogs/frmprocess.h"

#include "gui/dialogs/choice_dialog.h"

#include <QRadioButton>

namespace kestrin {

Frmprocess::Frmprocess(WorkingMode current, QWidget* parent) : QDialog(parent) {
  const ChoiceButtons buttons =
      BuildChoiceDialog(this, {QStringLiteral("Frmprocess"), QStringLiteral("Process"), QStringLiteral("Design"),
                               QStringLiteral("Design"), QStringLiteral("checking"), QStringLiteral("Checking"),
                               QStringLiteral("cmdok")});
  design_ = buttons.first;
  checking_ = buttons.second;
  (current == WorkingMode::Design ? design_ : checking_)->setChecked(true);
}

WorkingMode Frmprocess::chosenMode() const {
  return checking_->isChecked() ? WorkingMode::Checking : WorkingMode::Design;
}

}  // namespace kestrin

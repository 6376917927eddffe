#include "gui/dialogs/frmunit.h"

#include "gui/dialogs/choice_dialog.h"

#include <QRadioButton>

namespace kestrin {

Frmunit::Frmunit(UnitSystem current, QWidget* parent) : QDialog(parent) {
  const ChoiceButtons buttons =
      BuildChoiceDialog(this, {QStringLiteral("Frmunit"), QStringLiteral("Default Units"), QStringLiteral("imperial"),
                               QStringLiteral("English (IP)"), QStringLiteral("metric"), QStringLiteral("Metric (SI)"),
                               QStringLiteral("CmdOK")});
  imperial_ = buttons.first;
  metric_ = buttons.second;
  (current == UnitSystem::IP ? imperial_ : metric_)->setChecked(true);
}

UnitSystem Frmunit::chosenUnit() const { return metric_->isChecked() ? UnitSystem::SI : UnitSystem::IP; }

}  // namespace kestrin

#include "gui/dialogs/frmproperties.h"

#include "gui/dialogs/choice_dialog.h"

#include <QRadioButton>

namespace kestrin {

Frmproperties::Frmproperties(PropertySource current, QWidget* parent) : QDialog(parent) {
  const ChoiceButtons buttons = BuildChoiceDialog(
      this, {QStringLiteral("Frmproperties"), QStringLiteral("Properties"), QStringLiteral("correlations"),
             QStringLiteral("Correlations"), QStringLiteral("reference"),
             QStringLiteral("Reference equations of state"), QStringLiteral("CmdOK")});
  correlations_ = buttons.first;
  reference_ = buttons.second;
  // The choice concerns the four refrigerants that have correlations; the
  // others have only their reference equations.
  const QString scope = QStringLiteral(
      "For R22, R134a, R407C and R404A; R410A, R32, R1234yf, R290 and R507A always "
      "use their reference equations of state.");
  correlations_->setToolTip(scope);
  reference_->setToolTip(scope);
  (current == PropertySource::Correlations ? correlations_ : reference_)->setChecked(true);
}

PropertySource Frmproperties::chosenSource() const {
  return reference_->isChecked() ? PropertySource::Reference : PropertySource::Correlations;
}

}  // namespace kestrin

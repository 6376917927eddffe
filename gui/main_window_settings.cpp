// The unit system, the working mode, the property source and the tube series
// as the main window follows them: the dialogs choose, the window converts,
// relabels and refills its lists.

#include "gui/dialogs/frmprocess.h"
#include "gui/dialogs/frmproperties.h"
#include "gui/dialogs/frmtubes.h"
#include "gui/dialogs/frmunit.h"
#include "gui/frmmain.h"
#include "gui/property_setting.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace kestrin {

void Frmmain::ShowUnitsDialog() {
  Frmunit dialog(session_.unit, this);
  if (dialog.exec() == QDialog::Accepted) applyUnitSystem(dialog.chosenUnit());
}

void Frmmain::ShowProcessDialog() {
  Frmprocess dialog(session_.mode, this);
  if (dialog.exec() == QDialog::Accepted) applyWorkingMode(dialog.chosenMode());
}

void Frmmain::ShowPropertiesDialog() {
  Frmproperties dialog(session_.propertySource, this);
  if (dialog.exec() != QDialog::Accepted) return;
  applyPropertySource(dialog.chosenSource());
  StorePropertySource(dialog.chosenSource());
}

void Frmmain::ShowTubesDialog() {
  Frmtubes dialog(session_.tubes, this);
  if (dialog.exec() == QDialog::Accepted) applyTubeChoice(dialog.chosenTubes());
}

void Frmmain::applyUnitSystem(UnitSystem unit) {
  session_.unit = unit;
  if (session_.unitHistory != unit) {
    ClearOutputs();
    ClearRiserResults();
    // Values are converted before the labels change, from the system the
    // window is filled in.
    ConvertEntries(session_.unitHistory, unit);
    ShowUnitTexts(unit);
  }
  session_.unitHistory = unit;
}

void Frmmain::applyWorkingMode(WorkingMode mode) {
  session_.mode = mode;
  if (session_.modeHistory != mode) {
    ClearOutputs();
    ClearRiserResults();
    ShowModeList(mode);
  }
  session_.modeHistory = mode;
}

void Frmmain::applyPropertySource(PropertySource source) {
  if (session_.propertySource == source) return;
  session_.propertySource = source;
  ClearOutputs();
  ClearRiserResults();
  UpdateGlide();
}

void Frmmain::applyTubeChoice(const TubeChoice& tubes) {
  if (session_.tubes == tubes) return;
  const bool newSeries = session_.tubes.series != tubes.series;
  session_.tubes = tubes;
  ClearOutputs();
  ClearRiserResults();
  if (newSeries && session_.mode == WorkingMode::Checking) {
    const QString sizeToCheck = cmbdpd_->currentText();
    ShowModeList(WorkingMode::Checking);
    if (cmbdpd_->findText(sizeToCheck) >= 0) setDesignDropText(sizeToCheck);
  }
}

void Frmmain::restoreUnitAndMode(UnitSystem unit, WorkingMode mode, const QString& designDropText) {
  ClearOutputs();
  // The mode goes first: the unit texts read it for Lbl8 and the list.
  session_.mode = mode;
  session_.unit = unit;
  session_.unitHistory = unit;
  ShowUnitTexts(unit);
  session_.modeHistory = mode;
  ShowModeList(mode);
  setDesignDropText(designDropText);
}

void Frmmain::ConvertEntries(UnitSystem from, UnitSystem to) {
  for (const InputField field : kInputFields) {
    QLineEdit* edit = InputEdit(field);
    const QString converted = ConvertedEntry(field, edit->text(), from, to, locale());
    if (converted != edit->text()) edit->setText(converted);
  }
}

void Frmmain::ShowUnitTexts(UnitSystem unit) {
  for (const InputField field : kInputFields) InputLabel(field)->setText(LabelCaption(field, unit));
  lbl8_->setText(DesignDropCaption(unit, session_.mode));
  if (session_.mode == WorkingMode::Design) {
    // A design pressure drop is not converted: the list of the new system
    // replaces it and nothing is chosen.
    cmbdpd_->clear();
    cmbdpd_->addItems(DesignDropList(unit, WorkingMode::Design, session_.tubes.series, locale()));
    cmbdpd_->setCurrentIndex(-1);
    cmbdpd_->clearEditText();
  }
  lbl15_->setText(PressureDropUnit(unit));
  lbl17_->setText(VelocityUnit(unit));
  lbl19_->setText(LengthUnit(unit));
  lblsatdropunit_->setText(TemperatureDropUnit(unit));
  UpdateRangeToolTips();
  UpdateGlide();
}

void Frmmain::ShowModeList(WorkingMode mode) {
  lbl8_->setText(DesignDropCaption(session_.unit, mode));
  cmbdpd_->clear();
  cmbdpd_->addItems(DesignDropList(session_.unit, mode, session_.tubes.series, locale()));
  cmbdpd_->setCurrentIndex(-1);
  cmbdpd_->clearEditText();
  UpdateRangeToolTips();
}

}  // namespace kestrin

// The main window's fields: reading and writing the input and output texts,
// the checks run on every key release and the selection events of the lists.

#include "core/line_type.h"
#include "core/units/number_text.h"
#include "gui/clickable_label.h"
#include "gui/field_colours.h"
#include "gui/frmmain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>

namespace kestrin {

namespace {

// A pick-only list takes one of its own items, or nothing for an empty text.
bool ChooseItem(QComboBox* list, const QString& text) {
  if (text.isEmpty()) {
    list->setCurrentIndex(-1);
    return true;
  }
  const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (index < 0) return false;
  list->setCurrentIndex(index);
  return true;
}

// Setting a field's text only when it differs keeps its change event for
// real changes.
// The six-character limit is for typing; a longer text the program puts in a
// field (from an opened project file) is shown whole rather than cut.
void ShowWhole(QLineEdit* edit, const QString& text) {
  if (text.size() > edit->maxLength()) edit->setMaxLength(static_cast<int>(text.size()));
}

void SetTextIfChanged(QLineEdit* edit, const QString& text) {
  ShowWhole(edit, text);
  if (edit->text() != text) edit->setText(text);
}

}  // namespace

QLineEdit* Frmmain::InputEdit(InputField field) const { return inputEdits_[static_cast<std::size_t>(field)]; }

QLabel* Frmmain::InputLabel(InputField field) const { return inputLabels_[static_cast<std::size_t>(field)]; }

std::optional<InputField> Frmmain::InputFieldOf(const QObject* object) const {
  for (std::size_t i = 0; i < inputEdits_.size(); ++i) {
    if (inputEdits_[i] == object) return kInputFields[i];
  }
  return std::nullopt;
}

MainFieldTexts Frmmain::inputTexts() const {
  MainFieldTexts texts;
  texts.refrigerant = cmbrt_->currentText();
  texts.capacity = InputEdit(InputField::Capacity)->text();
  texts.evaporating = InputEdit(InputField::Evaporating)->text();
  texts.condensing = InputEdit(InputField::Condensing)->text();
  texts.superheat = InputEdit(InputField::Superheat)->text();
  texts.subcool = InputEdit(InputField::Subcool)->text();
  texts.line = cmbl_->currentText();
  texts.designDrop = cmbdpd_->currentText();
  texts.totalLength = InputEdit(InputField::TotalLength)->text();
  texts.riserLength = InputEdit(InputField::RiserLength)->text();
  texts.additionalLoss = InputEdit(InputField::AdditionalLoss)->text();
  return texts;
}

void Frmmain::ShowEntryTexts(const MainFieldTexts& texts) {
  SetTextIfChanged(InputEdit(InputField::Capacity), texts.capacity);
  SetTextIfChanged(InputEdit(InputField::Evaporating), texts.evaporating);
  SetTextIfChanged(InputEdit(InputField::Condensing), texts.condensing);
  SetTextIfChanged(InputEdit(InputField::Superheat), texts.superheat);
  SetTextIfChanged(InputEdit(InputField::Subcool), texts.subcool);
  SetTextIfChanged(InputEdit(InputField::TotalLength), texts.totalLength);
  SetTextIfChanged(InputEdit(InputField::RiserLength), texts.riserLength);
  SetTextIfChanged(InputEdit(InputField::AdditionalLoss), texts.additionalLoss);
}

bool Frmmain::setInputTexts(const MainFieldTexts& texts) {
  if (!ChooseItem(cmbrt_, texts.refrigerant)) return false;
  SetTextIfChanged(InputEdit(InputField::Capacity), texts.capacity);
  SetTextIfChanged(InputEdit(InputField::Evaporating), texts.evaporating);
  SetTextIfChanged(InputEdit(InputField::Condensing), texts.condensing);
  SetTextIfChanged(InputEdit(InputField::Superheat), texts.superheat);
  SetTextIfChanged(InputEdit(InputField::Subcool), texts.subcool);
  if (!ChooseItem(cmbl_, texts.line)) return false;
  setDesignDropText(texts.designDrop);
  SetTextIfChanged(InputEdit(InputField::TotalLength), texts.totalLength);
  SetTextIfChanged(InputEdit(InputField::RiserLength), texts.riserLength);
  SetTextIfChanged(InputEdit(InputField::AdditionalLoss), texts.additionalLoss);
  return true;
}

void Frmmain::setDesignDropText(const QString& text) {
  ShowWhole(cmbdpd_->lineEdit(), text);
  cmbdpd_->setEditText(text);
}

OutputTexts Frmmain::outputTexts() const {
  return OutputTexts{txtlinesize_->text(), lbl13_->text(),   txttpd_->text(),     txtvelocity_->text(),
                     txtel_->text(),       txttrap_->text(), txtsatdrop_->text(), lblwarning_->text()};
}

bool Frmmain::velocityOutsideBand() const { return FieldBackground(txtvelocity_) == kErrorRed; }

bool Frmmain::doubleRiserOffered() const { return !lblriser_->isHidden(); }

bool Frmmain::doubleRiserAccepted() const { return check1_->isChecked(); }

void Frmmain::setDoubleRiserAccepted(bool accepted) { check1_->setChecked(accepted); }

UnitCaptions Frmmain::unitCaptions() const {
  UnitCaptions captions;
  const auto& names = kUnitCaptionLabels;
  for (std::size_t i = 0; i < names.size(); ++i) {
    captions[i] = findChild<QLabel*>(QString::fromLatin1(names[i]))->text();
  }
  return captions;
}

void Frmmain::setUnitCaptions(const UnitCaptions& captions) {
  const auto& names = kUnitCaptionLabels;
  for (std::size_t i = 0; i < names.size(); ++i) {
    findChild<QLabel*>(QString::fromLatin1(names[i]))->setText(captions[i]);
  }
}

void Frmmain::ConnectFieldEvents() {
  for (QLineEdit* edit : inputEdits_) edit->installEventFilter(this);
  // The editable list forwards its keys to its own line edit, so its key
  // releases are seen on the list itself.
  cmbdpd_->installEventFilter(this);

  // A flagged temperature turns white again with any change of its text.
  connect(InputEdit(InputField::Evaporating), &QLineEdit::textChanged, this,
          [this] { SetFieldFlagged(InputEdit(InputField::Evaporating), false); });
  connect(InputEdit(InputField::Condensing), &QLineEdit::textChanged, this,
          [this] { SetFieldFlagged(InputEdit(InputField::Condensing), false); });

  connect(cmbrt_, &QComboBox::activated, this, [this] { SetFieldFlagged(cmbrt_, false); });
  connect(cmbrt_, &QComboBox::currentIndexChanged, this, &Frmmain::UpdateGlide);
  for (const InputField field : {InputField::Evaporating, InputField::Condensing})
    connect(InputEdit(field), &QLineEdit::textChanged, this, &Frmmain::UpdateGlide);
  connect(cmbl_, &QComboBox::activated, this, &Frmmain::OnLineChosen);
  connect(cmbdpd_, &QComboBox::activated, this, &Frmmain::OnDesignDropChosen);
}

bool Frmmain::eventFilter(QObject* watched, QEvent* event) {
  if (TakeProjectFileDrag(event)) return true;
  if (event->type() == QEvent::KeyRelease) {
    if (watched == cmbdpd_) {
      CheckDesignDropEntry();
    } else if (const std::optional<InputField> field = InputFieldOf(watched)) {
      CheckEntry(*field);
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

// Run on every key release, whatever the key: the whole text stays when it
// is the field's allowed partial entry or a number inside the limits of the
// unit system in force; anything else is wiped without a word.
void Frmmain::CheckEntry(InputField field) {
  QLineEdit* edit = InputEdit(field);
  if (field == InputField::Capacity) SetFieldFlagged(edit, false);

  const QString text = edit->text();
  if (!EntryKept(field, text, session_.unit, locale())) {
    edit->clear();
    return;
  }
  if (!IsNumeric(text, locale())) return;  // the allowed partial entry

  switch (field) {
    case InputField::TotalLength:
      // The riser check flags the riser length when the line is too short,
      // so a valid line length clears that flag too.
      SetFieldFlagged(edit, false);
      SetFieldFlagged(InputEdit(InputField::RiserLength), false);
      break;
    case InputField::RiserLength:
    case InputField::AdditionalLoss: SetFieldFlagged(edit, false); break;
    default: break;
  }
}

// In checking mode the list holds tube names, which are not numbers: the
// check would wipe the chosen tube, so it applies in design mode only.
void Frmmain::CheckDesignDropEntry() {
  if (session_.mode != WorkingMode::Design) return;
  if (!DesignDropEntryKept(cmbdpd_->currentText(), locale())) cmbdpd_->clearEditText();
}

void Frmmain::OnLineChosen() {
  SetFieldFlagged(cmbl_, false);
  UpdateRangeToolTips();
  // The offer belonged to the line sized last; the outputs and the tick stay.
  SetRiserOfferVisible(false);
}

void Frmmain::OnDesignDropChosen() {
  SetFieldFlagged(cmbdpd_, false);
  UpdateRangeToolTips();
}

void Frmmain::UpdateRangeToolTips() {
  const RangeTips tips = RangeToolTips(session_.unit, session_.mode, LineTypeFromName(cmbl_->currentText()));
  if (tips.designDrop) cmbdpd_->setToolTip(*tips.designDrop);
  if (tips.velocity) txtvelocity_->setToolTip(*tips.velocity);
}

void Frmmain::SetRiserOfferVisible(bool visible) {
  lblriser_->setVisible(visible);
  check1_->setVisible(visible);
}

}  // namespace kestrin

// The Calculate command as the window runs it: the core checks, stores and
// sizes; the window writes back what the core returns and shows it.

#include "core/sizing/calculate_command.h"
#include "gui/field_colours.h"
#include "gui/frmmain.h"
#include "gui/message_boxes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace kestrin {

void Frmmain::Calculate() {
  const CalculateResult result =
      RunCalculate(inputTexts(), session_.unit, session_.mode, session_.fittingCounts, session_.designDropPsi, locale(),
                   session_.propertySource, session_.tubes);

  // Optional fields that were not numbers read "0" from now on, even when a
  // later check refuses the run.
  ShowEntryTexts(result.fields);

  if (const AcceptedCase* accepted = result.accepted()) {
    session_.designCase = accepted->stored;
    session_.designDropPsi = accepted->stored.designDropPsi;
    SetRiserOfferVisible(accepted->offerDoubleRiser);
    ClearRiserResults();
  }
  if (const Sized* sized = result.sized()) {
    ShowSizingResult(sized->shown);
    return;
  }
  ShowRefusal(*result.refusal());
  if (std::holds_alternative<NotSized>(result.state)) {
    ClearOutputs();
    ClearRiserResults();
  }
}

QWidget* Frmmain::ControlOf(DesignField field) const {
  switch (field) {
    case DesignField::Refrigerant: return cmbrt_;
    case DesignField::Line: return cmbl_;
    case DesignField::DesignDrop: return cmbdpd_;
    case DesignField::Capacity: return InputEdit(InputField::Capacity);
    case DesignField::Evaporating: return InputEdit(InputField::Evaporating);
    case DesignField::Condensing: return InputEdit(InputField::Condensing);
    case DesignField::Superheat: return InputEdit(InputField::Superheat);
    case DesignField::Subcool: return InputEdit(InputField::Subcool);
    case DesignField::TotalLength: return InputEdit(InputField::TotalLength);
    case DesignField::RiserLength: return InputEdit(InputField::RiserLength);
    case DesignField::AdditionalLoss: return InputEdit(InputField::AdditionalLoss);
    case DesignField::MinimumCapacity:
    case DesignField::None: break;
  }
  return nullptr;
}

void Frmmain::ShowRefusal(const Refusal& refusal) {
  QWidget* field = ControlOf(refusal.field);
  if (field) SetFieldFlagged(field, true);
  if (!refusal.message.isEmpty()) ShowError(this, refusal.message);
  if (field) field->setFocus(Qt::OtherFocusReason);
}

void Frmmain::ShowSizingResult(const ShownResult& result) {
  txtlinesize_->setText(result.lineSize);
  txttpd_->setText(result.totalPressureDrop);
  txtvelocity_->setText(result.velocity);
  txtel_->setText(result.equivalentLength);
  txttrap_->setText(result.traps);
  txtsatdrop_->setText(result.saturationDrop);
  lblwarning_->setText(result.warning);
  lbl13_->setText(result.description);
  // The liquid line has no velocity band: its velocity shows plain, not in
  // the colours an earlier suction or discharge run left.
  if (result.velocityInBand.value_or(true)) {
    SetFieldColours(txtvelocity_, kFieldWhite, kTextBlack);
  } else {
    SetFieldColours(txtvelocity_, kErrorRed, kFieldWhite);
  }
}

void Frmmain::ClearOutputs() {
  for (QLineEdit* output : {txtlinesize_, txttpd_, txtvelocity_, txtel_, txttrap_, txtsatdrop_}) output->clear();
  lbl13_->clear();
  lblwarning_->clear();
  SetRiserOfferVisible(false);
  SetFieldColours(txtvelocity_, kFieldWhite, kTextBlack);
}

void Frmmain::ClearRiserResults() {
  session_.riserOutput1.clear();
  session_.riserOutput2.clear();
  check1_->setChecked(false);
}

}  // namespace kestrin

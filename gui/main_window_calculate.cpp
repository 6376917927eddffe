// The Calculate command as the window runs it: the core checks, stores and
// sizes; the window writes back what the core returns and shows it.

#include "core/sizing/calculate_command.h"
#include "gui/field_colours.h"
#include "gui/frmmain.h"
#include "gui/message_boxes.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace kestrin {

void Frmmain::Calculate() {
  const CalculateOutcome outcome =
      RunCalculate(inputTexts(), session_.unit, session_.mode, session_.fittingCounts, session_.designDropPsi, locale_);

  // Optional fields that were not numbers read "0" from now on, even when a
  // later check refuses the run.
  ShowEntryTexts(outcome.fields);

  if (outcome.checkRefusal) {
    ShowRefusal(outcome.checkRefusal->message, outcome.checkRefusal->field);
    return;
  }

  if (outcome.stored) {
    session_.designCase = outcome.stored;
    session_.designDropPsi = outcome.stored->designDropPsi;
  }
  SetRiserOfferVisible(outcome.offerDoubleRiser);
  ClearRiserResults();

  if (!outcome.sizing) return;
  if (outcome.sizing->ok()) {
    ShowSizingResult(outcome.sizing->value());
    return;
  }
  const Refusal& refusal = outcome.sizing->refusal();
  ShowRefusal(refusal.message, refusal.field);
  ClearOutputs();
  ClearRiserResults();
}

void Frmmain::ShowRefusal(const QString& message, const QString& fieldName) {
  QWidget* field = fieldName.isEmpty() ? nullptr : findChild<QWidget*>(fieldName);
  if (field) SetFieldFlagged(field, true);
  if (!message.isEmpty()) ShowError(this, message);
  if (field) field->setFocus(Qt::OtherFocusReason);
}

void Frmmain::ShowSizingResult(const ShownResult& result) {
  txtlinesize_->setText(result.lineSize);
  txttpd_->setText(result.totalPressureDrop);
  txtvelocity_->setText(result.velocity);
  txtel_->setText(result.equivalentLength);
  txttrap_->setText(result.traps);
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
  for (QLineEdit* output : {txtlinesize_, txttpd_, txtvelocity_, txtel_, txttrap_}) output->clear();
  lbl13_->clear();
  SetRiserOfferVisible(false);
  SetFieldColours(txtvelocity_, kFieldWhite, kTextBlack);
}

void Frmmain::ClearRiserResults() {
  session_.riserOutput1.clear();
  session_.riserOutput2.clear();
  check1_->setChecked(false);
  Q_EMIT riserResultsCleared();
}

}  // namespace kestrin

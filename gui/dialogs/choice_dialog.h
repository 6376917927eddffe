#pragma once
// The shape the units and process dialogs share: a frame with two option
// buttons and an OK button below it.

#include <QString>

class QDialog;
class QRadioButton;

namespace kestrin {

struct ChoiceButtons {
  QRadioButton* first = nullptr;
  QRadioButton* second = nullptr;
};

struct ChoiceTexts {
  QString dialogName, caption;
  QString firstName, firstCaption;
  QString secondName, secondCaption;
  QString okName;
};

// Builds the dialog's controls; OK accepts, closing the window rejects.
ChoiceButtons BuildChoiceDialog(QDialog* dialog, const ChoiceTexts& texts);

}  // namespace kestrin

#pragma once
// The shape the units and process dialogs share: a frame with two option
// buttons and an OK button below it.

#include <QString>

class QDialog;
class QRadioButton;
class QVBoxLayout;

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

// The OK button, centred under the frames of `layout`, which it ends; it
// accepts the dialog.
void AddOkButton(QDialog* dialog, QVBoxLayout* layout, const QString& okName);

}  // namespace kestrin

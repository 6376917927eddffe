#include "gui/dialogs/choice_dialog.h"

#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kestrin {

ChoiceButtons BuildChoiceDialog(QDialog* dialog, const ChoiceTexts& texts) {
  dialog->setObjectName(texts.dialogName);
  dialog->setWindowTitle(texts.caption);
  dialog->setModal(true);

  auto* frame = new QGroupBox(dialog);
  frame->setObjectName(QStringLiteral("Frame1"));
  ChoiceButtons buttons;
  buttons.first = new QRadioButton(texts.firstCaption, frame);
  buttons.first->setObjectName(texts.firstName);
  buttons.second = new QRadioButton(texts.secondCaption, frame);
  buttons.second->setObjectName(texts.secondName);
  auto* options = new QVBoxLayout(frame);
  options->addWidget(buttons.first);
  options->addWidget(buttons.second);

  auto* layout = new QVBoxLayout(dialog);
  layout->addWidget(frame);
  AddOkButton(dialog, layout, texts.okName);
  return buttons;
}

void AddOkButton(QDialog* dialog, QVBoxLayout* layout, const QString& okName) {
  auto* ok = new QPushButton(QStringLiteral("OK"), dialog);
  ok->setObjectName(okName);
  ok->setDefault(true);
  QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  row->addWidget(ok);
  row->addStretch(1);
  layout->addLayout(row);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace kestrin

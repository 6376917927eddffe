#include "gui/message_boxes.h"

#include <QMessageBox>

namespace kestrin {

void ShowError(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kErrorTitle), text,
                  QMessageBox::Retry | QMessageBox::Cancel, parent);
  box.setObjectName(QStringLiteral("Mdlerror"));
  box.exec();
}

void ShowDataIncomplete(QWidget* parent) { ShowError(parent, MessageText(Message::DataIncomplete)); }
void ShowNoPipeSize(QWidget* parent) { ShowError(parent, MessageText(Message::NoPipeSize)); }

bool AskReaderNeeded(QWidget* parent) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kAttentionTitle), MessageText(Message::ReaderNeeded),
                  QMessageBox::Yes | QMessageBox::No, parent);
  box.setObjectName(QStringLiteral("Mdlerror"));
  box.setDefaultButton(QMessageBox::Yes);
  // Escape and closing the box answer No.
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

}  // namespace kestrin

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
void ShowEvaporatingRangeIP(QWidget* parent) { ShowError(parent, MessageText(Message::EvaporatingRangeIP)); }
void ShowEvaporatingRangeSI(QWidget* parent) { ShowError(parent, MessageText(Message::EvaporatingRangeSI)); }
void ShowCondensingRangeIP(QWidget* parent) { ShowError(parent, MessageText(Message::CondensingRangeIP)); }
void ShowCondensingRangeSI(QWidget* parent) { ShowError(parent, MessageText(Message::CondensingRangeSI)); }
void ShowRiserTooLong(QWidget* parent) { ShowError(parent, MessageText(Message::RiserTooLong)); }

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

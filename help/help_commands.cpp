#include "help/help_commands.h"

#include "app/messages.h"
#include "help/frmabout.h"
#include "help/frmhelp.h"

#include <QDesktopServices>
#include <QMessageBox>

namespace kestrin {

bool AskGuideReaderQuestion(QWidget* parent) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kAttentionTitle), MessageText(Message::ReaderNeeded),
                  QMessageBox::Yes | QMessageBox::No, parent);
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

Frmhelp* ShowPipingGuide(QWidget* parent, const QuestionAsker& ask) {
  if (!ask(parent)) return nullptr;
  Frmhelp* guide = nullptr;
  if (parent) {
    // A guide that was just closed is hidden and waiting to be deleted; it
    // must not be shown again.
    for (Frmhelp* open : parent->findChildren<Frmhelp*>(QString(), Qt::FindDirectChildrenOnly)) {
      if (open->isVisible()) guide = open;
    }
  }
  if (!guide) {
    guide = new Frmhelp(FindGuideDocument(), parent);
    guide->setAttribute(Qt::WA_DeleteOnClose);
  }
  guide->show();
  guide->raise();
  guide->activateWindow();
  return guide;
}

void OpenMakerWebsite(const UrlOpener& open) {
  const QUrl address(QString::fromLatin1(kMakerWebsite));
  if (open) {
    open(address);
  } else {
    QDesktopServices::openUrl(address);
  }
}

void ShowAbout(QWidget* parent) {
  frmAbout box(parent);
  box.exec();
}

}  // namespace kestrin

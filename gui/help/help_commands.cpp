#include "gui/help/help_commands.h"

#include "core/messages.h"
#include "gui/help/frmabout.h"
#include "gui/help/frmhelp.h"

#include <QDesktopServices>

namespace kestrin {

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
  guide->setWindowState(guide->windowState() & ~Qt::WindowMinimized);
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

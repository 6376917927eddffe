#include "gui/window_commands.h"

#include "gui/dialogs/frmfitting.h"
#include "gui/frmmain.h"

namespace kestrin {

SizingWindows::SizingWindows(Frmmain& main) : QObject(&main), main_(main) {
  setObjectName(QStringLiteral("sizingWindows"));
  connect(&main, &Frmmain::fittingsRequested, this, &SizingWindows::OpenFittings);
  connect(&main, &Frmmain::doubleRiserRequested, this, &SizingWindows::OpenDoubleRiser);
  connect(&main, &Frmmain::riserResultsCleared, this, &SizingWindows::ClearRiserWindow);
}

void SizingWindows::OpenFittings() {
  SessionState& session = main_.session();
  Frmfitting dialog(session.fittingCounts, &main_);
  if (dialog.exec() == QDialog::Accepted) session.fittingCounts = dialog.counts();
}

void SizingWindows::OpenDoubleRiser() {
  Frmdoubleriser window(main_, riserWindow_);
  openRiserWindow_ = &window;
  window.exec();
  riserWindow_ = window.state();
}

void SizingWindows::ClearRiserWindow() {
  riserWindow_.ClearRiserResults();
  if (openRiserWindow_) openRiserWindow_->ClearRiserResults();
}

SizingWindows* ConnectSizingWindows(Frmmain& main) { return new SizingWindows(main); }

}  // namespace kestrin

#include "gui/window_commands.h"

#include "gui/dialogs/frmcapacity.h"
#include "gui/dialogs/frmdoubleriser.h"
#include "gui/dialogs/frmfitting.h"
#include "gui/frmmain.h"
#include "gui/print_commands.h"

namespace kestrin {

SizingWindows::SizingWindows(Frmmain& main) : QObject(&main), main_(main) {
  setObjectName(QStringLiteral("sizingWindows"));
  connect(&main, &Frmmain::fittingsRequested, this, &SizingWindows::OpenFittings);
  connect(&main, &Frmmain::doubleRiserRequested, this, &SizingWindows::OpenDoubleRiser);
}

void SizingWindows::OpenFittings() {
  SessionState& session = main_.session();
  Frmfitting dialog(session.fittingCounts, &main_);
  if (dialog.exec() == QDialog::Accepted) session.fittingCounts = dialog.counts();
}

std::unique_ptr<Frmdoubleriser> SizingWindows::MakeDoubleRiserWindow() {
  const SessionState& session = main_.session();
  const OutputTexts fullLoad = main_.outputTexts();
  auto window = std::make_unique<Frmdoubleriser>(&main_);
  window->setUnitSystem(session.unit);
  window->setFullLoad(fullLoad.lineSize, fullLoad.velocity);
  window->setLine(LineTypeFromName(main_.inputTexts().line));
  window->setDesignCase(session.designCase, session.mode, session.fittingCounts);
  connect(window.get(), &Frmdoubleriser::noPipeSizeAtMinimum, &main_, &Frmmain::ClearOutputs);
  return window;
}

void SizingWindows::OpenDoubleRiser() {
  const std::unique_ptr<Frmdoubleriser> window = MakeDoubleRiserWindow();
  SessionState& session = main_.session();
  if (window->exec() == QDialog::Accepted) {
    session.riserOutput1 = window->partLoadSize();
    session.riserOutput2 = window->partLoadVelocity();
    main_.setDoubleRiserAccepted(true);
  } else if (window->cancelled()) {
    main_.setDoubleRiserAccepted(false);
  }
}

SizingWindows* ConnectSizingWindows(Frmmain& main) { return new SizingWindows(main); }

std::unique_ptr<Frmcapacity> MakeCapacityWindow(Frmmain& main, PrintCommands& print) {
  const SessionState& session = main.session();
  auto window = std::make_unique<Frmcapacity>(&main);
  window->setSettings(session.unit, session.propertySource, session.tubes.series);
  window->setCase(main.inputTexts());
  window->hooks().print = [&print](const ShownCapacityTable& table, QWidget* parent) {
    print.PrintCapacityTable(table, parent);
  };
  return window;
}

void ShowCapacityTable(Frmmain& main, PrintCommands& print) { MakeCapacityWindow(main, print)->exec(); }

}  // namespace kestrin

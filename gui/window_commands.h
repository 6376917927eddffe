#pragma once
// The main window's commands that open the sizing windows: "Add Fitting"
// opens the fittings dialog, "Using Double Riser" the double riser window,
// and a recalculation empties what the double riser window shows.

#include "gui/dialogs/frmdoubleriser.h"

#include <QObject>
#include <QPointer>

namespace kestrin {

class Frmmain;

class SizingWindows : public QObject {
  Q_OBJECT

 public:
  // Connected to `main`'s requests; belongs to `main` and keeps what the
  // double riser window shows for as long as the main window lives.
  explicit SizingWindows(Frmmain& main);

  // Both open modally and return when the window has closed.
  void OpenFittings();
  void OpenDoubleRiser();

  const RiserWindowState& riserWindowState() const { return riserWindow_; }

 private:
  void ClearRiserWindow();

  Frmmain& main_;
  RiserWindowState riserWindow_;
  QPointer<Frmdoubleriser> openRiserWindow_;
};

// Connects the main window's fittingsRequested, doubleRiserRequested and
// riserResultsCleared to the sizing windows. The object returned belongs to
// `main`.
SizingWindows* ConnectSizingWindows(Frmmain& main);

}  // namespace kestrin

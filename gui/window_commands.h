#pragma once
// The main window's commands that open the sizing windows: "Add Fitting"
// opens the fittings dialog, "Using Double Riser" the double riser window.

#include <QObject>

#include <memory>

namespace kestrin {

class Frmcapacity;
class Frmdoubleriser;
class Frmmain;
class PrintCommands;

class SizingWindows : public QObject {
  Q_OBJECT

 public:
  // Connected to `main`'s requests; belongs to `main`.
  explicit SizingWindows(Frmmain& main);

  // Both open modally and return when the window has closed.
  void OpenFittings();
  void OpenDoubleRiser();

  // The double riser window loaded for the main window as it stands.
  std::unique_ptr<Frmdoubleriser> MakeDoubleRiserWindow();

 private:
  Frmmain& main_;
};

// Connects the main window's fittingsRequested and doubleRiserRequested to
// the sizing windows. The object returned belongs to
// `main`.
SizingWindows* ConnectSizingWindows(Frmmain& main);

// "Tables > Line Capacities": the capacity table window loaded with the
// main window's case and the settings in force, printing through `print`.
std::unique_ptr<Frmcapacity> MakeCapacityWindow(Frmmain& main, PrintCommands& print);
// Opens it modally and returns when it has closed.
void ShowCapacityTable(Frmmain& main, PrintCommands& print);

}  // namespace kestrin

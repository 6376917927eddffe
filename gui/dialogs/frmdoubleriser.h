#pragma once
// "Double Riser Calculations": the full-load riser is the tube the main
// window chose; the part-load riser is sized here for the system's minimum
// capacity and shown on a drawing of the double riser. OK hands the
// part-load riser to the report and ticks the main window's Check1.

#include "drawing/riser_diagram.h"

#include <QDialog>
#include <QString>

#include <optional>

class QLineEdit;

namespace kestrin {

class Frmmain;
class RiserPicture;

// What the window shows. It outlives the window, so that an opening shows
// the last results until the main window's next calculation empties them.
struct RiserWindowState {
  QString minimumCapacity;              // Txtriser, as typed
  QString fullLoadSize;                 // RSIZE1
  QString fullLoadVelocity;             // TR1
  QString partLoadSize;                 // RSIZE2
  QString partLoadVelocity;             // TR2
  bool partLoadVelocityInBand = true;   // TR2 black on white, or white on red
  QString dischargeFullLoadLabel;       // LR10
  QString dischargePartLoadLabel;       // LR9
  QString suctionFullLoadLabel;         // LR8
  QString suctionPartLoadLabel;         // LR7
  std::optional<RiserDrawing> drawing;  // the drawing on show, if any
  bool enlarged = false;                // results shown: the window's large size

  // Empties the results (RSIZE1, TR1, RSIZE2, TR2 and the size labels); the
  // window opens small again. The typed minimum capacity stays.
  void ClearRiserResults();
  bool operator==(const RiserWindowState&) const = default;
};

class Frmdoubleriser : public QDialog {
  Q_OBJECT

 public:
  // Reads the main window's line, chosen tube and velocity, and the design
  // case its last Calculate stored; the window is placed over `main`.
  Frmdoubleriser(Frmmain& main, const RiserWindowState& state);

  // The window's fields as they stand, to be shown again at the next opening.
  const RiserWindowState& state() const { return state_; }
  // The main window recalculated: the results shown here are emptied.
  void ClearRiserResults();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void ShowState();  // fields and size
  void ShowFields();
  void ShowSmall();
  void ShowEnlarged();
  int TwipsWide(int twips) const;
  int TwipsHigh(int twips) const;

  void CheckMinimumCapacity();  // every key release in Txtriser
  void Calculate();             // Command1
  // suctionriser and dischargeriser: one procedure, two drawings.
  void SizePartLoad(double minimumCapacityTons, RiserDrawing drawing);
  void EmptyPartLoad();  // nothing is shown for a refused capacity
  void AcceptRiser();    // Command2
  void CancelRiser();    // Command3

  Frmmain& main_;
  RiserWindowState state_;

  QLineEdit* txtriser_ = nullptr;
  QWidget* results_ = nullptr;
  QLineEdit* rsize1_ = nullptr;
  QLineEdit* tr1_ = nullptr;
  QLineEdit* rsize2_ = nullptr;
  QLineEdit* tr2_ = nullptr;
  RiserPicture* picture1_ = nullptr;  // discharge
  RiserPicture* picture2_ = nullptr;  // suction
};

}  // namespace kestrin

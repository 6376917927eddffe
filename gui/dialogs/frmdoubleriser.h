#pragma once
// "Double Riser Calculations": the full-load riser is the tube the main
// window chose; the part-load riser is sized here for the system's minimum
// capacity and shown on a drawing of the double riser. OK hands the
// part-load riser to the caller, which keeps it for the report and ticks the
// main window's Check1.

#include "core/line_type.h"
#include "core/outcome.h"
#include "core/session_state.h"
#include "core/sizing/double_riser.h"
#include "drawing/riser_diagram.h"

#include <QDialog>
#include <QString>

#include <optional>

class QLabel;
class QLineEdit;

namespace kestrin {

class RiserPicture;

// Loaded fresh at each opening: small, `Txtriser` empty, the captions of the
// unit system in force. Only the accepted part-load riser outlives it, and
// the caller keeps that.
class Frmdoubleriser : public QDialog {
  Q_OBJECT

 public:
  explicit Frmdoubleriser(QWidget* parent = nullptr);

  // Inputs, set before exec().
  void setUnitSystem(UnitSystem unit);
  // The main window's chosen tube and its velocity as shown: the full-load
  // riser.
  void setFullLoad(const QString& lineSize, const QString& velocity);
  // The line the main window shows; only a suction or discharge line has a
  // part-load riser to size.
  void setLine(std::optional<LineType> line);
  // The design case the main window's last Calculate stored, the working
  // mode that Calculate ran in, and the fitting counts as they stand now.
  void setDesignCase(const std::optional<DesignCase>& designCase, WorkingMode mode,
                     const StoredFittingCounts& fittingCounts);

  // Results, after exec(): "OK" accepts RSIZE2 and TR2 as they stand;
  // "Cancel" is told apart from closing the window.
  QString partLoadSize() const;
  QString partLoadVelocity() const;
  bool cancelled() const { return cancelled_; }

 Q_SIGNALS:
  // No tube carries even the minimum capacity within the design drop: the
  // main window's result goes too.
  void noPipeSizeAtMinimum();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void ShowSmall();
  void ShowEnlarged();
  int TwipsWide(int twips) const;
  int TwipsHigh(int twips) const;

  void CheckMinimumCapacity();  // every key release in Txtriser
  void Calculate();             // Command1
  void ShowPartLoad(const Outcome<PartLoadRiser>& riser);
  void ShowPartLoadTexts(const ShownRiser& shown);
  void ShowDrawing(std::optional<RiserDrawing> drawing);

  UnitSystem unit_ = UnitSystem::IP;
  std::optional<LineType> line_;
  std::optional<DesignCase> designCase_;
  WorkingMode mode_ = WorkingMode::Design;
  StoredFittingCounts fittingCounts_;
  QString fullLoadSize_;
  QString fullLoadVelocity_;
  bool cancelled_ = false;

  QLabel* lblriser_ = nullptr;
  QLineEdit* txtriser_ = nullptr;
  QWidget* results_ = nullptr;
  QLineEdit* rsize1_ = nullptr;
  QLineEdit* tr1_ = nullptr;
  QLabel* lr5_ = nullptr;
  QLineEdit* rsize2_ = nullptr;
  QLineEdit* tr2_ = nullptr;
  QLabel* lr6_ = nullptr;
  QLabel* lblwarning_ = nullptr;
  RiserPicture* picture1_ = nullptr;  // discharge
  RiserPicture* picture2_ = nullptr;  // suction
};

}  // namespace kestrin

#pragma once
// "Tubes": the tube series a project is sized in and the climate its tubes'
// pressure ratings are judged for. The dialog only chooses; the caller keeps
// the choice and applies it.

#include "core/sizing/design_case.h"

#include <QDialog>

#include <array>

class QRadioButton;

namespace kestrin {

class Frmtubes : public QDialog {
  Q_OBJECT
 public:
  // Opens with the series and climate in force ticked.
  explicit Frmtubes(const TubeChoice& current, QWidget* parent = nullptr);

  // What was ticked when OK was pressed.
  TubeChoice chosenTubes() const;

 private:
  std::array<QRadioButton*, kTubeSeries.size()> series_{};
  std::array<QRadioButton*, kDesignClimates.size()> climates_{};
};

}  // namespace kestrin

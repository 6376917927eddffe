#pragma once
// The about box: the program's picture, name and version, and a small
// animation that starts again each time the box becomes active.

#include <QDialog>

class QLabel;
class QMovie;

namespace kestrin {

// The about box's animation, found like the main window's.
inline constexpr char kAboutAnimationFileName[] = "About.gif";

class frmAbout : public QDialog {
  Q_OBJECT

 public:
  explicit frmAbout(QWidget* parent = nullptr);

  QMovie* animation() const { return animation_; }

 protected:
  bool event(QEvent* event) override;

 private:
  void RestartAnimation();

  QLabel* picture1_ = nullptr;
  QLabel* animatedGif2_ = nullptr;
  QMovie* animation_ = nullptr;
};

}  // namespace kestrin

#pragma once
// The splash window shown while the program starts: the title picture for
// four ticks of a half-second timer, then it closes and hands over to the
// main window.

#include <QWidget>

class QSvgRenderer;
class QTimer;

namespace kestrin {

class Frmstart : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kTicksToWait = 4;
  static constexpr int kTickMilliseconds = 500;
  static constexpr QSize kPictureSize{422, 398};

  explicit Frmstart(QWidget* parent = nullptr);

  // Ticks still to wait before the hand-over (`start`).
  int ticksLeft() const { return start_; }

 public Q_SLOTS:
  // One tick of Timer1: counts down and, on the last, hands over.
  void Tick();

 Q_SIGNALS:
  // The wait is over: the program shows its main window now. Emitted once.
  void finished();

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QTimer* timer1_ = nullptr;
  QSvgRenderer* picture_ = nullptr;
  qint16 start_ = kTicksToWait;
};

}  // namespace kestrin

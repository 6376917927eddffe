#pragma once
// A picture box of the double riser window: one double riser drawing with
// the full-load and part-load size labels standing on its two risers. The
// labels are real labels, so they can be read, selected and found by name.

#include "drawing/riser_diagram.h"

#include <QFrame>

class QLabel;

namespace kestrin {

class RiserPicture : public QFrame {
  Q_OBJECT

 public:
  // `fullLoadLabelName` and `partLoadLabelName` name the two size labels
  // (LR10 and LR9 on the discharge drawing, LR8 and LR7 on the suction one).
  RiserPicture(RiserDrawing drawing, const QString& fullLoadLabelName, const QString& partLoadLabelName,
               QWidget* parent = nullptr);

  RiserDrawing drawing() const { return drawing_; }
  QLabel* fullLoadLabel() const { return fullLoad_; }
  QLabel* partLoadLabel() const { return partLoad_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QRectF DrawingArea() const;
  void PlaceLabels();

  RiserDrawing drawing_;
  QLabel* fullLoad_ = nullptr;
  QLabel* partLoad_ = nullptr;
};

}  // namespace kestrin

#pragma once
// A label that acts like a link: a click, or Space or Enter when it has the
// focus, emits clicked().

#include <QLabel>

namespace kestrin {

class ClickableLabel : public QLabel {
  Q_OBJECT
 public:
  explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

 Q_SIGNALS:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace kestrin

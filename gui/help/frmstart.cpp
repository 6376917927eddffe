#include "gui/help/frmstart.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimer>

namespace kestrin {

Frmstart::Frmstart(QWidget* parent) : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("Frmstart"));
  setWindowTitle(QStringLiteral("Loading Program ..."));
  setFixedSize(kPictureSize);
  setAttribute(Qt::WA_OpaquePaintEvent);

  picture_ = new QSvgRenderer(QStringLiteral(":/kestrin/splash.svg"), this);

  timer1_ = new QTimer(this);
  timer1_->setObjectName(QStringLiteral("Timer1"));
  timer1_->setInterval(kTickMilliseconds);
  connect(timer1_, &QTimer::timeout, this, &Frmstart::Tick);

  if (const QScreen* shown = screen()) {
    QRect frame(QPoint(), size());
    frame.moveCenter(shown->availableGeometry().center());
    move(frame.topLeft());
  }
}

void Frmstart::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (start_ > 0) timer1_->start();
}

void Frmstart::Tick() {
  // A tick already queued when the wait ended must not hand over twice.
  if (start_ <= 0) return;
  --start_;
  if (start_ > 0) return;
  timer1_->stop();
  // The main window is shown before the splash closes: closing the only
  // visible window first would let the application end itself.
  Q_EMIT finished();
  close();
}

void Frmstart::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(rect(), QColor(0x0f, 0x2a, 0x44));
  picture_->render(&painter, QRectF(rect()));

  // The version goes on at run time so the picture never needs redrawing.
  QFont small = font();
  small.setPixelSize(12);
  painter.setFont(small);
  painter.setPen(QColor(0xc9, 0xdc, 0xee));
  const QRect versionBox = rect().adjusted(0, 0, -16, -12);
  painter.drawText(versionBox, Qt::AlignRight | Qt::AlignBottom,
                   QStringLiteral("Version %1").arg(QStringLiteral(KESTRIN_VERSION)));
}

}  // namespace kestrin

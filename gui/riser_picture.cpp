#include "gui/riser_picture.h"

#include "drawing/drawing_kit.h"

#include <QLabel>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace kestrin {

namespace {

// The drawing keeps a little white round it inside the sunken border.
constexpr int kDrawingMargin = 6;
// The size text fills two thirds of its place on the drawing, as it does
// when the report writes it there.
constexpr double kSizeTextShare = 2.0 / 3.0;
constexpr int kSmallestSizeTextPixels = 9;

QLabel* MakeSizeLabel(const QString& name, Qt::Alignment alignment, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setAlignment(alignment | Qt::AlignVCenter);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, kInk);
  label->setPalette(palette);
  return label;
}

}  // namespace

RiserPicture::RiserPicture(RiserDrawing drawing, const QString& fullLoadLabelName, const QString& partLoadLabelName,
                           QWidget* parent)
    : QFrame(parent), drawing_(drawing) {
  setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

  // The full-load size reads from the large riser rightwards, the part-load
  // size ends at the small riser.
  fullLoad_ = MakeSizeLabel(fullLoadLabelName, Qt::AlignLeft, this);
  partLoad_ = MakeSizeLabel(partLoadLabelName, Qt::AlignRight, this);
  PlaceLabels();
}

// Upright like the drawing, and large enough for its captions to read.
QSize RiserPicture::sizeHint() const { return {230, 280}; }
QSize RiserPicture::minimumSizeHint() const { return {150, 180}; }

void RiserPicture::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  PaintDoubleRiser(painter, DrawingArea(), drawing_);
}

QRectF RiserPicture::DrawingArea() const {
  return QRectF(contentsRect()).adjusted(kDrawingMargin, kDrawingMargin, -kDrawingMargin, -kDrawingMargin);
}

void RiserPicture::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  PlaceLabels();
}

void RiserPicture::PlaceLabels() {
  const QRectF area = DrawingArea();
  const RiserLabelPlaces places = RiserLabelPlacesIn(drawing_, area);
  const int pixels =
      std::max(kSmallestSizeTextPixels, static_cast<int>(std::lround(places.fullLoad.height() * kSizeTextShare)));
  for (auto [label, place] : {std::pair{fullLoad_, places.fullLoad}, std::pair{partLoad_, places.partLoad}}) {
    label->setFont(DrawingFont(pixels, true));
    label->setGeometry(place.toAlignedRect());
  }
}

}  // namespace kestrin

// Paints the program's two animations and writes them as GIF files:
//   kestrin.gif  the refrigeration cycle of the main window, refrigerant
//                flowing round compressor, condenser, valve and evaporator;
//   About.gif    the about box's compressor, running and pulsing.
// Usage: kestrin_make_animations <output folder>

#include "tools/gif_writer.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSaveFile>
#include <QTextStream>

#include <cmath>
#include <functional>
#include <numbers>

namespace kestrin {
namespace {

const QColor kCopper(0xb0, 0x5e, 0x2a);
const QColor kCopperLight(0xee, 0xb0, 0x78);
const QColor kHotGas(0xe0, 0x3c, 0x28);
const QColor kWarmLiquid(0xf0, 0x8c, 0x1e);
const QColor kColdMix(0x2a, 0x78, 0xc8);
const QColor kCoolVapour(0x64, 0xb4, 0xec);

QColor Mix(const QColor& a, const QColor& b, double t) {
  const auto blend = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return QColor(blend(a.red(), b.red()), blend(a.green(), b.green()), blend(a.blue(), b.blue()));
}

// The tile every frame sits on: a soft panel with a thin border, so the
// picture looks finished on any window colour.
void PaintTile(QPainter& painter, const QSize& size) {
  QLinearGradient panel(0, 0, 0, size.height());
  panel.setColorAt(0, QColor(0xf7, 0xf9, 0xfc));
  panel.setColorAt(1, QColor(0xe2, 0xe9, 0xf1));
  painter.fillRect(QRect(QPoint(), size), panel);
  painter.setPen(QPen(QColor(0xb4, 0xc1, 0xcf), 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(0.5, 0.5, size.width() - 1.0, size.height() - 1.0));
}

void PaintPipe(QPainter& painter, const QPainterPath& path, double width) {
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(0x7a, 0x3c, 0x14), width + 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(path);
  painter.setPen(QPen(kCopper, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(path);
  painter.setPen(QPen(kCopperLight, width / 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(path.translated(-0.4, -width / 5.0));
}

// Drops of refrigerant every `spacing` pixels along `path`, moved on by
// `phase` (0..1) of a spacing; `colourAt` gives each drop's colour from its
// place along the path (0..1).
void PaintFlow(QPainter& painter, const QPainterPath& path, double spacing, double phase, double radius,
               const std::function<QColor(double)>& colourAt) {
  const double length = path.length();
  painter.setPen(QPen(QColor(255, 255, 255, 220), 0.9));
  for (double at = phase * spacing; at < length; at += spacing) {
    const double t = path.percentAtLength(at);
    painter.setBrush(colourAt(t));
    painter.drawEllipse(path.pointAtPercent(t), radius, radius);
  }
}

// A finned coil: a block with its fins, tinted warm or cold.
void PaintCoil(QPainter& painter, const QRectF& box, const QColor& tint, const QColor& fins) {
  painter.setPen(QPen(fins.darker(130), 1.2));
  painter.setBrush(tint);
  painter.drawRoundedRect(box, 2.5, 2.5);
  painter.setPen(QPen(fins, 1.0));
  for (double x = box.left() + 4; x < box.right() - 2; x += 4) {
    painter.drawLine(QPointF(x, box.top() + 2.5), QPointF(x, box.bottom() - 2.5));
  }
}

// Short wavy strokes that drift in `direction` (-1 up, +1 down) and fade:
// the heat the coil gives off or takes in.
void PaintHeat(QPainter& painter, double left, double right, double top, double bottom, double phase, int direction,
               const QColor& colour) {
  const double travel = bottom - top;
  for (int wave = 0; wave < 3; ++wave) {
    const double x = left + (right - left) * (wave + 0.5) / 3.0;
    double progress = std::fmod(phase + wave / 3.0, 1.0);
    const double y = direction < 0 ? bottom - progress * travel * 0.6 : top + progress * travel * 0.6;
    QColor faded = colour;
    faded.setAlphaF(static_cast<float>(0.85 * std::sin(progress * std::numbers::pi)));
    painter.setPen(QPen(faded, 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    QPainterPath squiggle(QPointF(x - 6, y));
    squiggle.cubicTo(QPointF(x - 3, y - 3), QPointF(x - 1, y + 3), QPointF(x + 1, y));
    squiggle.cubicTo(QPointF(x + 3, y - 3), QPointF(x + 5, y + 3), QPointF(x + 7, y));
    painter.drawPath(squiggle);
  }
}

QImage CycleFrame(int frame, int frameCount) {
  const QSize size(200, 120);
  QImage image(size, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  PaintTile(painter, size);
  const double phase = static_cast<double>(frame) / frameCount;

  // The loop runs clockwise from the compressor's outlet: up and along the
  // condenser, down through the valve, back along the evaporator and up
  // into the compressor's inlet.
  const QPointF compressor(34, 60);
  const double r = 10;
  QPainterPath loop(QPointF(34, 46));
  loop.lineTo(34, 28 + r);
  loop.quadTo(34, 28, 34 + r, 28);
  loop.lineTo(166 - r, 28);
  loop.quadTo(166, 28, 166, 28 + r);
  loop.lineTo(166, 92 - r);
  loop.quadTo(166, 92, 166 - r, 92);
  loop.lineTo(34 + r, 92);
  loop.quadTo(34, 92, 34, 92 - r);
  loop.lineTo(34, 74);
  PaintPipe(painter, loop, 6);

  PaintHeat(painter, 72, 128, 3, 17, phase, -1, QColor(0xd8, 0x50, 0x30));
  PaintHeat(painter, 72, 128, 103, 117, phase, -1, QColor(0x3a, 0x8c, 0xd8));
  PaintCoil(painter, QRectF(70, 19, 60, 18), QColor(0xfb, 0xe0, 0xd2), QColor(0xc8, 0x6a, 0x44));
  PaintCoil(painter, QRectF(70, 83, 60, 18), QColor(0xd8, 0xeb, 0xfa), QColor(0x4a, 0x8c, 0xc4));

  // Where along the loop each state of the refrigerant lies.
  const auto place = [&loop](double x, double y) {
    // Nearest place on the loop to a point, found by walking it.
    double best = 0;
    double bestDistance = 1e9;
    for (int i = 0; i <= 400; ++i) {
      const double t = i / 400.0;
      const QPointF p = loop.pointAtPercent(t) - QPointF(x, y);
      const double distance = p.x() * p.x() + p.y() * p.y();
      if (distance < bestDistance) {
        bestDistance = distance;
        best = t;
      }
    }
    return best;
  };
  const double condenserIn = place(70, 28);
  const double condenserOut = place(130, 28);
  const double valve = place(166, 60);
  const double evaporatorIn = place(130, 92);
  const double evaporatorOut = place(70, 92);
  const auto colourAt = [=](double t) {
    if (t < condenserIn) return kHotGas;
    if (t < condenserOut) return Mix(kHotGas, kWarmLiquid, (t - condenserIn) / (condenserOut - condenserIn));
    if (t < valve) return kWarmLiquid;
    if (t < evaporatorIn) return kColdMix;
    if (t < evaporatorOut) return Mix(kColdMix, kCoolVapour, (t - evaporatorIn) / (evaporatorOut - evaporatorIn));
    return kCoolVapour;
  };
  PaintFlow(painter, loop, 12, phase, 2.4, colourAt);

  // The expansion valve: a bow-tie across the right-hand line.
  QPainterPath bowTie;
  bowTie.moveTo(158, 52);
  bowTie.lineTo(174, 68);
  bowTie.lineTo(174, 52);
  bowTie.lineTo(158, 68);
  bowTie.closeSubpath();
  painter.setPen(QPen(QColor(0x2c, 0x3e, 0x50), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(QColor(0x8a, 0x9b, 0xab));
  painter.drawPath(bowTie);
  painter.drawLine(QPointF(166, 60), QPointF(182, 60));
  painter.setBrush(QColor(0xd0, 0xda, 0xe4));
  painter.drawEllipse(QPointF(185, 60), 3, 3);

  // The compressor with its turning rotor.
  QRadialGradient steel(compressor - QPointF(5, 6), 20);
  steel.setColorAt(0, QColor(0xdd, 0xe6, 0xee));
  steel.setColorAt(1, QColor(0x5d, 0x74, 0x89));
  painter.setPen(QPen(QColor(0x2c, 0x3e, 0x50), 1.4));
  painter.setBrush(steel);
  painter.drawEllipse(compressor, 15, 15);
  painter.save();
  painter.translate(compressor);
  painter.rotate(phase * 360.0);
  painter.setPen(QPen(QColor(0x2c, 0x3e, 0x50), 2.0, Qt::SolidLine, Qt::RoundCap));
  for (int blade = 0; blade < 3; ++blade) {
    painter.drawLine(QPointF(0, 0), QPointF(0, -9));
    painter.rotate(120);
  }
  painter.setBrush(QColor(0x2c, 0x3e, 0x50));
  painter.drawEllipse(QPointF(0, 0), 2.5, 2.5);
  painter.restore();
  return image;
}

QImage CompressorFrame(int frame, int frameCount) {
  const QSize size(128, 128);
  QImage image(size, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  PaintTile(painter, size);
  const double phase = static_cast<double>(frame) / frameCount;
  const QPointF centre(64, 70);

  // Two rings spread out from the running compressor.
  for (int ring = 0; ring < 2; ++ring) {
    const double progress = std::fmod(phase + ring * 0.5, 1.0);
    QColor colour(0x4a, 0x9c, 0xe0);
    colour.setAlphaF(static_cast<float>(0.55 * (1.0 - progress)));
    painter.setPen(QPen(colour, 2.0));
    painter.setBrush(Qt::NoBrush);
    const double radius = 34 + progress * 24;
    painter.drawEllipse(centre, radius, radius * 0.92);
  }

  // Suction in at the left, low; discharge out of the dome and away right.
  QPainterPath suction(QPointF(4, 92));
  suction.lineTo(44, 92);
  QPainterPath discharge(QPointF(64, 40));
  discharge.lineTo(64, 22);
  discharge.quadTo(64, 14, 72, 14);
  discharge.lineTo(124, 14);
  PaintPipe(painter, suction, 7);
  PaintPipe(painter, discharge, 7);
  PaintFlow(painter, suction, 11, phase, 2.6, [](double) { return kCoolVapour; });
  PaintFlow(painter, discharge, 11, phase, 2.6, [](double) { return kHotGas; });

  // The body, breathing a little as it runs.
  const double swell = 1.0 + 0.025 * std::sin(phase * 2.0 * std::numbers::pi * 2.0);
  const QRectF body(centre.x() - 21 * swell, 40, 42 * swell, 62);
  QLinearGradient steel(body.topLeft(), body.topRight());
  steel.setColorAt(0, QColor(0x56, 0x6d, 0x83));
  steel.setColorAt(0.4, QColor(0xd6, 0xe1, 0xea));
  steel.setColorAt(1, QColor(0x4d, 0x62, 0x77));
  painter.setPen(QPen(QColor(0x2c, 0x3e, 0x50), 1.5));
  painter.setBrush(steel);
  painter.drawRoundedRect(body, 20, 18);
  painter.setPen(QPen(QColor(0x3c, 0x50, 0x64), 1.0));
  painter.drawLine(QPointF(body.left() + 2, 70), QPointF(body.right() - 2, 70));

  // Feet and the terminal box with its running light.
  painter.setPen(QPen(QColor(0x2c, 0x3e, 0x50), 1.2));
  painter.setBrush(QColor(0x34, 0x49, 0x5e));
  painter.drawRoundedRect(QRectF(38, 100, 52, 7), 2, 2);
  painter.setBrush(QColor(0x41, 0x57, 0x6d));
  painter.drawRoundedRect(QRectF(55, 76, 18, 13), 2, 2);
  QColor light(0x3c, 0xd2, 0x6e);
  light.setAlphaF(static_cast<float>(0.45 + 0.55 * (0.5 + 0.5 * std::cos(phase * 2.0 * std::numbers::pi))));
  painter.setPen(Qt::NoPen);
  painter.setBrush(light);
  painter.drawEllipse(QPointF(64, 82.5), 3, 3);
  return image;
}

bool WriteAnimation(const QString& path, int frameCount, int delayMs, QImage (*paint)(int, int)) {
  QList<QImage> frames;
  for (int frame = 0; frame < frameCount; ++frame) frames.append(paint(frame, frameCount));
  if (!WriteGifAnimation(path, frames, delayMs)) {
    QTextStream(stderr) << "cannot write " << path << '\n';
    return false;
  }
  return true;
}

}  // namespace
}  // namespace kestrin

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  const QStringList arguments = QCoreApplication::arguments();
  if (arguments.size() != 2) {
    QTextStream(stderr) << "usage: kestrin_make_animations <output folder>\n";
    return 2;
  }
  const QDir folder(arguments.at(1));
  if (!folder.exists() && !QDir().mkpath(folder.path())) {
    QTextStream(stderr) << "cannot make " << folder.path() << '\n';
    return 1;
  }
  const bool written =
      kestrin::WriteAnimation(folder.filePath(QStringLiteral("kestrin.gif")), 24, 60, kestrin::CycleFrame) &&
      kestrin::WriteAnimation(folder.filePath(QStringLiteral("About.gif")), 20, 70, kestrin::CompressorFrame);
  return written ? 0 : 1;
}

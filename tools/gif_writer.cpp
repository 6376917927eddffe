#include "tools/gif_writer.h"

#include <QByteArray>
#include <QPainter>
#include <QSaveFile>

#include <gif_lib.h>

#include <array>
#include <memory>

namespace kestrin {
namespace {

int AppendTo(GifFileType* gif, const GifByteType* data, int length) {
  static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
  return length;
}

struct GifCloser {
  void operator()(GifFileType* gif) const { EGifCloseFile(gif, nullptr); }
};

struct MapFreer {
  void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

// The frames stacked into one picture and reduced to at most 256 colours at
// once, so that they share the palette.
QImage SharedPaletteStrip(const QList<QImage>& frames) {
  const QSize size = frames.first().size();
  QImage strip(size.width(), size.height() * static_cast<int>(frames.size()), QImage::Format_RGB32);
  QPainter painter(&strip);
  for (qsizetype i = 0; i < frames.size(); ++i) painter.drawImage(0, size.height() * static_cast<int>(i), frames.at(i));
  painter.end();
  return strip.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
}

std::unique_ptr<ColorMapObject, MapFreer> ColourMapOf(const QList<QRgb>& colours) {
  int bits = 1;
  while ((1 << bits) < colours.size()) ++bits;
  std::unique_ptr<ColorMapObject, MapFreer> map(GifMakeMapObject(1 << bits, nullptr));
  if (!map) return map;
  for (qsizetype i = 0; i < colours.size(); ++i) {
    const auto c = static_cast<int>(i);
    map->Colors[c].Red = static_cast<GifByteType>(qRed(colours.at(i)));
    map->Colors[c].Green = static_cast<GifByteType>(qGreen(colours.at(i)));
    map->Colors[c].Blue = static_cast<GifByteType>(qBlue(colours.at(i)));
  }
  return map;
}

bool PutLoopForever(GifFileType* gif) {
  static constexpr char kApplication[] = "NETSCAPE2.0";
  static constexpr std::array<GifByteType, 3> kLoopForever{1, 0, 0};
  return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
         EGifPutExtensionBlock(gif, 11, kApplication) == GIF_OK &&
         EGifPutExtensionBlock(gif, 3, kLoopForever.data()) == GIF_OK && EGifPutExtensionTrailer(gif) == GIF_OK;
}

bool PutFrame(GifFileType* gif, const QImage& strip, int top, QSize size, int frameDelayMs) {
  GraphicsControlBlock control{};
  control.DisposalMode = DISPOSE_DO_NOT;
  control.DelayTime = frameDelayMs / 10;
  control.TransparentColor = NO_TRANSPARENT_COLOR;
  std::array<GifByteType, 4> extension{};
  EGifGCBToExtension(&control, extension.data());
  if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension.data()) != GIF_OK ||
      EGifPutImageDesc(gif, 0, 0, size.width(), size.height(), false, nullptr) != GIF_OK)
    return false;
  QImage rows = strip.copy(0, top, size.width(), size.height());
  for (int y = 0; y < size.height(); ++y)
    if (EGifPutLine(gif, rows.scanLine(y), size.width()) != GIF_OK) return false;
  return true;
}

QByteArray EncodeGif(const QList<QImage>& frames, int frameDelayMs) {
  const QImage strip = SharedPaletteStrip(frames);
  const auto map = ColourMapOf(strip.colorTable());
  if (!map) return {};
  QByteArray bytes;
  std::unique_ptr<GifFileType, GifCloser> gif(EGifOpen(&bytes, &AppendTo, nullptr));
  if (!gif) return {};
  EGifSetGifVersion(gif.get(), true);
  const QSize size = frames.first().size();
  if (EGifPutScreenDesc(gif.get(), size.width(), size.height(), map->BitsPerPixel, 0, map.get()) != GIF_OK ||
      !PutLoopForever(gif.get()))
    return {};
  for (qsizetype i = 0; i < frames.size(); ++i)
    if (!PutFrame(gif.get(), strip, size.height() * static_cast<int>(i), size, frameDelayMs)) return {};
  // Closing writes the trailer: it must succeed for the file to be whole.
  if (EGifCloseFile(gif.release(), nullptr) != GIF_OK) return {};
  return bytes;
}

}  // namespace

bool WriteGifAnimation(const QString& path, const QList<QImage>& frames, int frameDelayMs) {
  if (frames.isEmpty()) return false;
  for (const QImage& frame : frames)
    if (frame.size() != frames.first().size() || frame.isNull()) return false;
  const QByteArray gif = EncodeGif(frames, frameDelayMs);
  QSaveFile file(path);
  return !gif.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(gif) == gif.size() && file.commit();
}

}  // namespace kestrin

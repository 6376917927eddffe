#pragma once
// A small GIF89a writer for the program's animations: Qt reads GIFs but does
// not write them. All frames share one global palette of at most 256 colours
// (chosen by median cut when the frames hold more), are fully opaque and
// replace each other whole; the animation loops through a NETSCAPE2.0 block.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRgb>

namespace kestrin {

struct GifAnimation {
  QList<QImage> frames;    // all of one size, 1 to 65535 pixels each way
  int frameDelayMs = 100;  // stored in hundredths of a second
  int loopCount = 0;       // times to play again; 0 plays for ever
};

// The global palette for `frames`: every colour when there are at most
// `maxColours`, otherwise the count-weighted median-cut choice. Alpha is
// ignored. The order is fixed for given frames, so builds repeat exactly.
QList<QRgb> BuildPalette(const QList<QImage>& frames, int maxColours = 256);

// The GIF file, or an empty array when the frames cannot be written (none,
// sizes that differ or do not fit the format).
QByteArray EncodeGif(const GifAnimation& animation);

}  // namespace kestrin

// The GIF writer, checked by reading what it writes back with Qt's own GIF
// reader: frame count, size, timing, looping and every pixel.

#include "tools/gif_encoder.h"

#include <QBuffer>
#include <QImageReader>
#include <QMovie>
#include <QTest>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

using kestrin::EncodeGif;
using kestrin::GifAnimation;

namespace {

// A frame of `colours` distinct colours scattered by a fixed pseudo-random
// walk: as little repetition as LZW can get, so its table fills and clears.
QImage ScatteredFrame(QSize size, int colours, std::uint32_t seed) {
  QImage image(size, QImage::Format_RGB32);
  std::uint32_t state = seed;
  for (int y = 0; y < size.height(); ++y) {
    for (int x = 0; x < size.width(); ++x) {
      state = state * 1664525u + 1013904223u;
      const int index = static_cast<int>((state >> 16) % static_cast<std::uint32_t>(colours));
      image.setPixel(x, y, qRgb(index, (index * 7) & 0xff, 255 - index));
    }
  }
  return image;
}

QList<QImage> ReadFrames(const QByteArray& gif, QImageReader& reader, QBuffer& buffer) {
  buffer.setData(gif);
  buffer.open(QIODevice::ReadOnly);
  reader.setDevice(&buffer);
  reader.setFormat("gif");
  QList<QImage> frames;
  for (QImage frame = reader.read(); !frame.isNull(); frame = reader.read()) {
    frames.append(frame.convertToFormat(QImage::Format_RGB32));
  }
  return frames;
}


// Decodes every frame's LZW stream by the letter of the format: each code at
// the width the decoder has reached, the stream closed by the end code, and
// nothing after it but the last byte's padding. Returns the pixel count of
// each frame, or an empty list with `error` set.
QList<int> StrictPixelCounts(const QByteArray& gif, QString& error) {
  const auto byte = [&gif](qsizetype at) { return static_cast<unsigned char>(gif.at(at)); };
  qsizetype at = 13;
  if (byte(10) & 0x80) at += 3 * (2 << (byte(10) & 7));
  QList<int> counts;
  while (at < gif.size() && byte(at) != 0x3b) {
    if (byte(at) == 0x21) {  // an extension: skip its sub-blocks
      at += 2;
      while (byte(at) != 0) at += byte(at) + 1;
      ++at;
      continue;
    }
    if (byte(at) != 0x2c) {
      error = QStringLiteral("unknown block %1 at %2").arg(byte(at)).arg(at);
      return {};
    }
    at += 10;
    const int minCodeSize = byte(at++);
    QByteArray data;
    while (byte(at) != 0) {
      data.append(gif.mid(at + 1, byte(at)));
      at += byte(at) + 1;
    }
    ++at;

    const int clear = 1 << minCodeSize;
    int width = minCodeSize + 1;
    int next = clear + 2;
    int previous = -1;
    std::vector<int> lengths(4096, 1);  // length of each code's string
    qsizetype bit = 0;
    int pixels = 0;
    bool ended = false;
    while (!ended) {
      if (bit + width > data.size() * 8) {
        error = QStringLiteral("the stream stops before its end code");
        return {};
      }
      int code = 0;
      for (int i = 0; i < width; ++i, ++bit) code |= ((data.at(bit / 8) >> (bit % 8)) & 1) << i;
      if (code == clear) {
        width = minCodeSize + 1;
        next = clear + 2;
        previous = -1;
        continue;
      }
      if (code == clear + 1) {
        ended = true;
        continue;
      }
      if (code > next || (code == next && previous < 0)) {
        error = QStringLiteral("code %1 before it exists (next %2)").arg(code).arg(next);
        return {};
      }
      const int length = code == next ? lengths[previous] + 1 : lengths[code];
      pixels += length;
      if (previous >= 0 && next < 4096) {
        lengths[next] = lengths[previous] + 1;
        ++next;
        if (next == (1 << width) && width < 12) ++width;
      }
      previous = code;
    }
    if (data.size() * 8 - bit >= 8) {
      error = QStringLiteral("%1 bits follow the end code").arg(data.size() * 8 - bit);
      return {};
    }
    counts.append(pixels);
  }
  return counts;
}

}  // namespace

class TestGifEncoder : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void RoundTripKeepsEveryFramePixelForPixel_data();
  void RoundTripKeepsEveryFramePixelForPixel();
  void AnimationCarriesItsDelayAndLoopsForEver();
  void ManyColoursAreReducedToANearbyPalette();
  void FramesThatCannotBeWrittenGiveNothing();
};

void TestGifEncoder::RoundTripKeepsEveryFramePixelForPixel_data() {
  QTest::addColumn<QSize>("size");
  QTest::addColumn<int>("colours");
  QTest::addColumn<int>("frameCount");
  // Palettes that need padding, the smallest code size, and a full 256
  // colours over enough pixels to fill and clear the code table many times.
  QTest::newRow("one pixel, one colour") << QSize(1, 1) << 1 << 1;
  QTest::newRow("two colours") << QSize(17, 9) << 2 << 2;
  QTest::newRow("three colours, padded table") << QSize(31, 7) << 3 << 3;
  QTest::newRow("five colours") << QSize(40, 40) << 5 << 2;
  QTest::newRow("200 colours") << QSize(123, 45) << 200 << 2;
  QTest::newRow("256 colours, table cleared") << QSize(160, 120) << 256 << 3;
  QTest::newRow("one tall column") << QSize(1, 700) << 16 << 1;
  // One colour in runs of 1, 2, 3... pixels: these sizes end just as the
  // code width grows, so the end code is one bit wider than the code before.
  QTest::newRow("width grows at the end, 6 pixels") << QSize(3, 2) << 1 << 1;
  QTest::newRow("width grows at the end, 66 pixels") << QSize(11, 6) << 1 << 2;
}

void TestGifEncoder::RoundTripKeepsEveryFramePixelForPixel() {
  QFETCH(QSize, size);
  QFETCH(int, colours);
  QFETCH(int, frameCount);
  GifAnimation animation;
  for (int i = 0; i < frameCount; ++i) {
    animation.frames.append(ScatteredFrame(size, colours, 17u + static_cast<std::uint32_t>(i)));
  }

  const QByteArray gif = EncodeGif(animation);
  QVERIFY(gif.startsWith("GIF89a"));
  QCOMPARE(gif.back(), '\x3b');
  QBuffer buffer;
  QImageReader reader;
  const QList<QImage> frames = ReadFrames(gif, reader, buffer);
  QCOMPARE(frames.size(), frameCount);
  for (int i = 0; i < frameCount; ++i) {
    QCOMPARE(frames[i].size(), size);
    QCOMPARE(frames[i], animation.frames[i]);
  }

  // Qt's reader forgives a stream that runs on past its last pixel; other
  // readers do not.
  QString error;
  const QList<int> counts = StrictPixelCounts(gif, error);
  QVERIFY2(error.isEmpty(), qPrintable(error));
  QCOMPARE(counts, QList<int>(frameCount, size.width() * size.height()));
}

void TestGifEncoder::AnimationCarriesItsDelayAndLoopsForEver() {
  GifAnimation animation;
  animation.frameDelayMs = 70;
  // A long run of one colour grows long LZW strings; the second frame changes
  // only one pixel.
  QImage still(300, 200, QImage::Format_RGB32);
  still.fill(qRgb(0x20, 0x60, 0xa0));
  QImage moved = still;
  moved.setPixel(150, 100, qRgb(0xff, 0x80, 0x00));
  animation.frames = {still, moved, still, moved};
  const QByteArray gif = EncodeGif(animation);

  QBuffer buffer;
  buffer.setData(gif);
  QMovie movie(&buffer, "gif");
  QVERIFY(movie.isValid());
  QCOMPARE(movie.frameCount(), 4);
  QVERIFY(movie.jumpToNextFrame());
  QVERIFY(movie.jumpToNextFrame());
  QCOMPARE(movie.currentFrameNumber(), 1);
  QCOMPARE(movie.currentImage().convertToFormat(QImage::Format_RGB32), moved);
  QCOMPARE(movie.loopCount(), -1);
  QBuffer again;
  again.setData(gif);
  QImageReader timing(&again, "gif");
  QVERIFY(!timing.read().isNull());
  QCOMPARE(timing.nextImageDelay(), 70);

  animation.loopCount = 3;
  QBuffer onceMore;
  QImageReader reader;
  QCOMPARE(ReadFrames(EncodeGif(animation), reader, onceMore).size(), 4);
  QCOMPARE(reader.loopCount(), 3);
}

void TestGifEncoder::ManyColoursAreReducedToANearbyPalette() {
  // 16384 colours of a smooth ramp and a thin line of a colour of its own.
  QImage ramp(256, 64, QImage::Format_RGB32);
  for (int y = 0; y < ramp.height(); ++y) {
    for (int x = 0; x < ramp.width(); ++x) ramp.setPixel(x, y, qRgb(x, y * 4, 128));
  }
  for (int x = 0; x < ramp.width(); ++x) ramp.setPixel(x, 10, qRgb(255, 0, 255));
  QCOMPARE(kestrin::BuildPalette({ramp}).size(), 256);

  GifAnimation animation;
  animation.frames = {ramp};
  QBuffer buffer;
  QImageReader reader;
  const QList<QImage> frames = ReadFrames(EncodeGif(animation), reader, buffer);
  QCOMPARE(frames.size(), 1);
  int worst = 0;
  for (int y = 0; y < ramp.height(); ++y) {
    for (int x = 0; x < ramp.width(); ++x) {
      const QRgb want = ramp.pixel(x, y);
      const QRgb got = frames[0].pixel(x, y);
      worst = std::max({worst, std::abs(qRed(want) - qRed(got)), std::abs(qGreen(want) - qGreen(got)),
                        std::abs(qBlue(want) - qBlue(got))});
    }
  }
  QVERIFY2(worst <= 16, qPrintable(QStringLiteral("a pixel is off by %1").arg(worst)));
  QCOMPARE(frames[0].pixel(100, 10), qRgb(255, 0, 255));
}

void TestGifEncoder::FramesThatCannotBeWrittenGiveNothing() {
  QVERIFY(EncodeGif(GifAnimation{}).isEmpty());
  GifAnimation mixed;
  mixed.frames = {QImage(10, 10, QImage::Format_RGB32), QImage(10, 11, QImage::Format_RGB32)};
  QVERIFY(EncodeGif(mixed).isEmpty());
  GifAnimation empty;
  empty.frames = {QImage()};
  QVERIFY(EncodeGif(empty).isEmpty());
}

QTEST_MAIN(TestGifEncoder)
#include "tst_gif_encoder.moc"

#include "tools/gif_encoder.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace kestrin {
namespace {

constexpr int kMaxDimension = 65535;
constexpr int kMaxCodeBits = 12;
constexpr int kMaxCodes = 1 << kMaxCodeBits;
constexpr int kSubBlockBytes = 255;

QRgb Opaque(QRgb colour) { return colour | 0xff000000u; }

int Channel(QRgb colour, int channel) {
  switch (channel) {
    case 0: return qRed(colour);
    case 1: return qGreen(colour);
    default: return qBlue(colour);
  }
}

struct ColourCount {
  QRgb colour;
  std::uint64_t count;
};

// A box of the median cut: a run of `colours` that will become one palette
// entry unless it is split further.
struct Box {
  std::size_t begin;
  std::size_t end;
  int widestChannel = 0;
  int span = 0;
  std::uint64_t pixels = 0;
};

void Measure(Box& box, const std::vector<ColourCount>& colours) {
  std::array<int, 3> low{255, 255, 255};
  std::array<int, 3> high{0, 0, 0};
  box.pixels = 0;
  for (std::size_t i = box.begin; i < box.end; ++i) {
    for (int c = 0; c < 3; ++c) {
      low[c] = std::min(low[c], Channel(colours[i].colour, c));
      high[c] = std::max(high[c], Channel(colours[i].colour, c));
    }
    box.pixels += colours[i].count;
  }
  box.span = -1;
  for (int c = 0; c < 3; ++c) {
    if (high[c] - low[c] > box.span) {
      box.span = high[c] - low[c];
      box.widestChannel = c;
    }
  }
}

QRgb Average(const Box& box, const std::vector<ColourCount>& colours) {
  std::array<std::uint64_t, 3> sums{0, 0, 0};
  for (std::size_t i = box.begin; i < box.end; ++i) {
    for (int c = 0; c < 3; ++c) sums[c] += static_cast<std::uint64_t>(Channel(colours[i].colour, c)) * colours[i].count;
  }
  const auto mean = [&](int c) { return static_cast<int>((sums[c] + box.pixels / 2) / box.pixels); };
  return qRgb(mean(0), mean(1), mean(2));
}

std::vector<ColourCount> CountColours(const QList<QImage>& frames) {
  std::unordered_map<QRgb, std::uint64_t> histogram;
  for (const QImage& frame : frames) {
    const QImage pixels = frame.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < pixels.height(); ++y) {
      const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
      for (int x = 0; x < pixels.width(); ++x) ++histogram[Opaque(row[x])];
    }
  }
  std::vector<ColourCount> colours;
  colours.reserve(histogram.size());
  for (const auto& [colour, count] : histogram) colours.push_back({colour, count});
  std::sort(colours.begin(), colours.end(),
            [](const ColourCount& a, const ColourCount& b) { return a.colour < b.colour; });
  return colours;
}

int SquaredDistance(QRgb a, QRgb b) {
  const int dr = qRed(a) - qRed(b);
  const int dg = qGreen(a) - qGreen(b);
  const int db = qBlue(a) - qBlue(b);
  return dr * dr + dg * dg + db * db;
}

// Packs variable-width codes least significant bit first, as GIF wants.
class CodeWriter {
 public:
  void Write(int code, int bits) {
    buffer_ |= static_cast<std::uint32_t>(code) << filled_;
    filled_ += bits;
    while (filled_ >= 8) {
      bytes_.append(static_cast<char>(buffer_ & 0xffu));
      buffer_ >>= 8;
      filled_ -= 8;
    }
  }
  QByteArray Finish() {
    if (filled_ > 0) bytes_.append(static_cast<char>(buffer_ & 0xffu));
    buffer_ = 0;
    filled_ = 0;
    return bytes_;
  }

 private:
  QByteArray bytes_;
  std::uint32_t buffer_ = 0;
  int filled_ = 0;
};

// The LZW code stream of one frame's palette indices. The code width grows
// when the decoder, which adds each entry one code later than the encoder,
// will need the wider code; a full table is cleared at once.
QByteArray LzwCompress(const std::vector<std::uint8_t>& indices, int minCodeSize) {
  const int clearCode = 1 << minCodeSize;
  const int endCode = clearCode + 1;
  std::unordered_map<std::uint32_t, int> table;
  int next = clearCode + 2;
  int codeSize = minCodeSize + 1;
  CodeWriter writer;
  const auto reset = [&] {
    table.clear();
    next = clearCode + 2;
    codeSize = minCodeSize + 1;
  };

  writer.Write(clearCode, codeSize);
  int prefix = indices.front();
  for (std::size_t i = 1; i < indices.size(); ++i) {
    const std::uint32_t key = (static_cast<std::uint32_t>(prefix) << 8) | indices[i];
    const auto found = table.find(key);
    if (found != table.end()) {
      prefix = found->second;
      continue;
    }
    writer.Write(prefix, codeSize);
    if (next < kMaxCodes) {
      table.emplace(key, next++);
      if (next > (1 << codeSize) && codeSize < kMaxCodeBits) ++codeSize;
    } else {
      writer.Write(clearCode, codeSize);
      reset();
    }
    prefix = indices[i];
  }
  writer.Write(prefix, codeSize);
  // The decoder adds one more entry on reading that last code.
  if (next == (1 << codeSize) && codeSize < kMaxCodeBits) ++codeSize;
  writer.Write(endCode, codeSize);
  return writer.Finish();
}

void AppendWord(QByteArray& out, int value) {
  out.append(static_cast<char>(value & 0xff));
  out.append(static_cast<char>((value >> 8) & 0xff));
}

void AppendSubBlocks(QByteArray& out, const QByteArray& data) {
  for (qsizetype at = 0; at < data.size(); at += kSubBlockBytes) {
    const qsizetype length = std::min<qsizetype>(kSubBlockBytes, data.size() - at);
    out.append(static_cast<char>(length));
    out.append(data.constData() + at, length);
  }
  out.append('\0');
}

}  // namespace

QList<QRgb> BuildPalette(const QList<QImage>& frames, int maxColours) {
  std::vector<ColourCount> colours = CountColours(frames);
  QList<QRgb> palette;
  if (colours.empty() || maxColours < 1) return palette;
  if (colours.size() <= static_cast<std::size_t>(maxColours)) {
    for (const ColourCount& entry : colours) palette.append(entry.colour);
    return palette;
  }

  std::vector<Box> boxes{{0, colours.size()}};
  Measure(boxes.front(), colours);
  while (boxes.size() < static_cast<std::size_t>(maxColours)) {
    // Split the box whose colours lie furthest apart, so a small patch of a
    // distinct colour keeps its own entry; among equals, the fuller box.
    auto chosen = boxes.end();
    for (auto box = boxes.begin(); box != boxes.end(); ++box) {
      if (box->end - box->begin < 2) continue;
      if (chosen == boxes.end() || box->span > chosen->span ||
          (box->span == chosen->span && box->pixels > chosen->pixels)) {
        chosen = box;
      }
    }
    if (chosen == boxes.end()) break;
    const int channel = chosen->widestChannel;
    std::stable_sort(colours.begin() + static_cast<std::ptrdiff_t>(chosen->begin),
                     colours.begin() + static_cast<std::ptrdiff_t>(chosen->end),
                     [channel](const ColourCount& a, const ColourCount& b) {
                       return Channel(a.colour, channel) < Channel(b.colour, channel);
                     });
    // The weighted median, kept strictly inside the box.
    std::uint64_t seen = 0;
    std::size_t split = chosen->begin + 1;
    for (std::size_t i = chosen->begin; i + 1 < chosen->end; ++i) {
      seen += colours[i].count;
      split = i + 1;
      if (seen * 2 >= chosen->pixels) break;
    }
    Box upper{split, chosen->end};
    chosen->end = split;
    Measure(*chosen, colours);
    Measure(upper, colours);
    boxes.push_back(upper);
  }
  for (const Box& box : boxes) palette.append(Average(box, colours));
  return palette;
}

QByteArray EncodeGif(const GifAnimation& animation) {
  if (animation.frames.isEmpty()) return {};
  const QSize size = animation.frames.front().size();
  if (size.width() < 1 || size.height() < 1 || size.width() > kMaxDimension || size.height() > kMaxDimension) {
    return {};
  }
  for (const QImage& frame : animation.frames) {
    if (frame.size() != size) return {};
  }

  const QList<QRgb> palette = BuildPalette(animation.frames);
  // The table holds 2^(n+1) entries; the code size is at least 2.
  int tableBits = 1;
  while ((1 << tableBits) < palette.size()) ++tableBits;
  const int tableSize = 1 << tableBits;
  const int minCodeSize = std::max(2, tableBits);

  std::unordered_map<QRgb, std::uint8_t> nearest;
  const auto indexOf = [&](QRgb colour) {
    const auto known = nearest.find(colour);
    if (known != nearest.end()) return known->second;
    std::uint8_t best = 0;
    int bestDistance = SquaredDistance(colour, palette.front());
    for (qsizetype i = 1; i < palette.size() && bestDistance > 0; ++i) {
      const int distance = SquaredDistance(colour, palette[i]);
      if (distance < bestDistance) {
        bestDistance = distance;
        best = static_cast<std::uint8_t>(i);
      }
    }
    nearest.emplace(colour, best);
    return best;
  };

  QByteArray out("GIF89a");
  AppendWord(out, size.width());
  AppendWord(out, size.height());
  // Global table present, 8 bits per primary, table size 2^(tableBits).
  out.append(static_cast<char>(0x80 | (7 << 4) | (tableBits - 1)));
  out.append('\0');  // background colour index
  out.append('\0');  // square pixels
  for (int i = 0; i < tableSize; ++i) {
    const QRgb colour = i < palette.size() ? palette[i] : qRgb(0, 0, 0);
    out.append(static_cast<char>(qRed(colour)));
    out.append(static_cast<char>(qGreen(colour)));
    out.append(static_cast<char>(qBlue(colour)));
  }

  out.append("\x21\xff\x0bNETSCAPE2.0\x03\x01", 16);
  AppendWord(out, std::clamp(animation.loopCount, 0, 0xffff));
  out.append('\0');

  const int delay = std::clamp((animation.frameDelayMs + 5) / 10, 0, 0xffff);
  std::vector<std::uint8_t> indices(static_cast<std::size_t>(size.width()) * static_cast<std::size_t>(size.height()));
  for (const QImage& frame : animation.frames) {
    // Graphic control: the frame stays until replaced whole, no transparency.
    out.append("\x21\xf9\x04\x04", 4);
    AppendWord(out, delay);
    out.append('\0');
    out.append('\0');

    out.append('\x2c');
    AppendWord(out, 0);
    AppendWord(out, 0);
    AppendWord(out, size.width());
    AppendWord(out, size.height());
    out.append('\0');  // no local table, not interlaced

    const QImage pixels = frame.convertToFormat(QImage::Format_RGB32);
    std::size_t at = 0;
    for (int y = 0; y < pixels.height(); ++y) {
      const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
      for (int x = 0; x < pixels.width(); ++x) indices[at++] = indexOf(Opaque(row[x]));
    }
    out.append(static_cast<char>(minCodeSize));
    AppendSubBlocks(out, LzwCompress(indices, minCodeSize));
  }
  out.append('\x3b');
  return out;
}

}  // namespace kestrin

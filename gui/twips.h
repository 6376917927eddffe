#pragma once
// Windows are designed in twips, 1440 to the inch; on screen they are sized
// in pixels at the screen's resolution.

#include <cmath>

namespace kestrin {

inline constexpr int kTwipsPerInch = 1440;

// A length designed in twips, in pixels of a device with `dotsPerInch`.
inline int TwipsToPixels(int twips, int dotsPerInch) {
  return static_cast<int>(std::lround(twips * static_cast<double>(dotsPerInch) / kTwipsPerInch));
}

}  // namespace kestrin

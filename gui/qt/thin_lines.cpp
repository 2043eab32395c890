#include "thin_lines.h"

#include <cstdlib>
#include <utility>

namespace kestrix {
namespace {

// Positions in 26.6 fixed point, slopes in 16.16, as the raster engine keeps them.
constexpr int kOne26Dot6 = 64;
constexpr int kHalf26Dot6 = 32;

int SlopeIn16Dot16(int rise, int run) {
  return static_cast<int>(static_cast<long long>(rise) * (1 << 16) / run);
}

// Steps along the major axis from `from` to `to` (26.6, ordered), with the
// minor coordinate starting at `minor` (26.6); square caps reach half a pixel
// beyond both ends. `put(major, minor)` sets one pixel.
template <typename PutPixel>
void Walk(int from, int to, int minorFrom, int minorTo, PutPixel put) {
  const int slope = SlopeIn16Dot16(minorTo - minorFrom, to - from);
  int minor = minorFrom * (1 << 10) - (slope >> 1);
  from -= kHalf26Dot6;
  to += kHalf26Dot6;
  int major = (from + kHalf26Dot6) >> 6;
  const int end = (to + kHalf26Dot6) >> 6;
  if (major == end) return;
  const int round = slope > 0 ? kHalf26Dot6 : 0;
  minor += ((major * kOne26Dot6) + round - from) * slope >> 6;
  do {
    put(major, minor >> 16);
    minor += slope;
  } while (++major < end);
}

}  // namespace

void DrawThinLine(const PixelWords& pixels, int x1, int y1, int x2, int y2, QRgb colour) {
  if (x1 == x2 && y1 == y2) {
    pixels.Put(x1, y1, colour);
    return;
  }
  int fx1 = x1 * kOne26Dot6;
  int fy1 = y1 * kOne26Dot6;
  int fx2 = x2 * kOne26Dot6;
  int fy2 = y2 * kOne26Dot6;
  if (std::abs(fx2 - fx1) < std::abs(fy2 - fy1)) {
    if (fy1 > fy2) {
      std::swap(fx1, fx2);
      std::swap(fy1, fy2);
    }
    Walk(fy1, fy2, fx1, fx2, [&](int y, int x) { pixels.Put(x, y, colour); });
  } else {
    if (fx1 > fx2) {
      std::swap(fx1, fx2);
      std::swap(fy1, fy2);
    }
    Walk(fx1, fx2, fy1, fy2, [&](int x, int y) { pixels.Put(x, y, colour); });
  }
}

}  // namespace kestrix

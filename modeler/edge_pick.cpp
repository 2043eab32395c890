#include "edge_pick.h"

#include <cmath>

namespace kestrix {

namespace {
constexpr double kPickPixels = 5.0;
}

bool ClickPicksEdge(ScreenPoint click, ScreenPoint e1, ScreenPoint e2) {
  // In doubles: products of pixel coordinates may overflow an int.
  const double px = click.x;
  const double py = click.y;
  const double dx = static_cast<double>(e1.x) - e2.x;
  const double dy = static_cast<double>(e1.y) - e2.y;
  if (std::fabs(dy) <= 0.01) {
    return (px - e2.x) * (px - e1.x) < 0 && std::fabs(py - e1.y) <= kPickPixels;
  }
  // Lines of slope k are perpendicular to the edge; their intercepts order the
  // click's foot against the two ends.
  const double k = -dx / dy;
  const double c = py - k * px;
  const double c1 = e1.y - k * e1.x;
  const double c2 = e2.y - k * e2.x;
  if (!((c - c1) * (c - c2) < 0)) return false;
  const double distance =
      std::fabs(dx * e1.y + dy * px - dx * py - dy * e1.x) / std::sqrt(dx * dx + dy * dy);
  return distance < kPickPixels;
}

}  // namespace kestrix

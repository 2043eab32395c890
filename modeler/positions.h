#pragma once

namespace kestrix {

// A position in model coordinates, y upwards.
struct ModelPosition {
  double x = 0.0;
  double y = 0.0;
  friend bool operator==(const ModelPosition&, const ModelPosition&) = default;
};

// A pixel of the client area, x to the right and y downwards.
struct ScreenPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

}  // namespace kestrix

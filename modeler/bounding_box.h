#pragma once

#include "model_point.h"

namespace kestrix {

// An axis-aligned extent in model coordinates.
struct BoundingBox {
  double xmin = 0.0;
  double xmax = 0.0;
  double ymin = 0.0;
  double ymax = 0.0;

  static BoundingBox At(ModelPosition p) { return {p.x, p.x, p.y, p.y}; }

  // Widens the box so that it holds p. Inline: drawing widens a box by every
  // vertex of an outline.
  void Include(ModelPosition p) {
    if (p.x > xmax) xmax = p.x;
    if (p.x < xmin) xmin = p.x;
    if (p.y > ymax) ymax = p.y;
    if (p.y < ymin) ymin = p.y;
  }
  // Widens each side of extent below 1e-5 to one unit around its middle, so
  // that the view can always fit the box.
  void WidenIfDegenerate();

  friend bool operator==(const BoundingBox&, const BoundingBox&) = default;
};

}  // namespace kestrix

#include "output/bounding_box.h"

#include <algorithm>

namespace solvane {

Bounds BoundingBox(const NodeCoord* points, int n) {
  Bounds box{points[0].x, points[0].x, points[0].y, points[0].y};
  for (int i = 1; i < n; ++i) {
    box.xmin = std::min(box.xmin, points[i].x);
    box.xmax = std::max(box.xmax, points[i].x);
    box.ymin = std::min(box.ymin, points[i].y);
    box.ymax = std::max(box.ymax, points[i].y);
  }
  return box;
}

}  // namespace solvane

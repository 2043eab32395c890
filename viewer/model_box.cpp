#include "model_box.h"

#include <algorithm>

namespace ambrel {

ModelBox BoxOf(const std::vector<ModelPosition>& positions) {
  ModelBox box{positions.front().x, positions.front().x, positions.front().y, positions.front().y};
  for (const ModelPosition& p : positions) {
    box.xmin = std::min(box.xmin, p.x);
    box.xmax = std::max(box.xmax, p.x);
    box.ymin = std::min(box.ymin, p.y);
    box.ymax = std::max(box.ymax, p.y);
  }
  return box;
}

ModelBox Union(const ModelBox& a, const ModelBox& b) {
  return {std::min(a.xmin, b.xmin), std::max(a.xmax, b.xmax), std::min(a.ymin, b.ymin),
          std::max(a.ymax, b.ymax)};
}

}  // namespace ambrel

#include "load_arrow_scale.h"

#include <algorithm>

namespace kestrix {

std::optional<double> LoadArrowScale(double largest_component, const BoundingBox& box) {
  if (largest_component < 1e-10) return std::nullopt;
  return 0.1 * std::max((box.xmax - box.xmin) / largest_component,
                        (box.ymax - box.ymin) / largest_component);
}

}  // namespace kestrix

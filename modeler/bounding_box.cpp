#include "bounding_box.h"

#include <cmath>

namespace kestrix {

namespace {
constexpr double kDegenerateExtent = 1e-5;
}

void BoundingBox::WidenIfDegenerate() {
  if (std::fabs(xmax - xmin) < kDegenerateExtent) {
    xmax += 0.5;
    xmin -= 0.5;
  }
  if (std::fabs(ymax - ymin) < kDegenerateExtent) {
    ymax += 0.5;
    ymin -= 0.5;
  }
}

}  // namespace kestrix

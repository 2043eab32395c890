#include "model_point.h"

#include <cmath>

namespace kestrix {

bool ModelPoint::CoincidesWith(ModelPosition p) const {
  return (x - p.x) * (x - p.x) + (y - p.y) * (y - p.y) < coincidenceRadius * coincidenceRadius;
}

double ModelPoint::DistanceTo(ModelPosition p) const {
  return std::sqrt((x - p.x) * (x - p.x) + (y - p.y) * (y - p.y));
}

}  // namespace kestrix

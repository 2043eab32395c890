#pragma once

#include "positions.h"

namespace kestrix {

// The value record of geometric points, mesh nodes and every copy of them
// held by other records. Copies carry the selected state along.
struct ModelPoint {
  static constexpr double kDefaultCoincidenceRadius = 1e-15;

  double x = 0.0;
  double y = 0.0;
  int number = 0;
  bool selected = false;
  double coincidenceRadius = kDefaultCoincidenceRadius;

  ModelPosition position() const { return {x, y}; }

  // Strictly within this point's own coincidence radius (compared squared).
  bool CoincidesWith(ModelPosition p) const;
  double DistanceTo(ModelPosition p) const;
};

}  // namespace kestrix

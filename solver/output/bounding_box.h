#pragma once
// The axis-aligned box around a set of points, used to size labels and the
// deformation scale of the drawings.

#include "method/analysis_data.h"

namespace solvane {

struct Bounds {
  double xmin;
  double xmax;
  double ymin;
  double ymax;
};

// The box around the first n points (n >= 1): it starts from the first point
// and widens with each further one.
Bounds BoundingBox(const NodeCoord* points, int n);

}  // namespace solvane

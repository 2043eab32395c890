#pragma once
// One stress component as a value per node, with the nodes where it is
// smallest and largest.

#include <vector>

#include "contour_mesh.h"
#include "stress_component.h"

namespace ambrel {

struct FieldExtremes {
  int minNode = 0;
  int maxNode = 0;
  double min = 0.0;
  double max = 0.0;
};

struct NodalField {
  std::vector<double> values;  // one per node
  FieldExtremes extremes;      // of a field with at least one node
};

// The lowest-numbered node wins a tie for the minimum or the maximum.
NodalField FieldOf(const std::vector<NodalStress>& stresses, StressComponent component);

}  // namespace ambrel

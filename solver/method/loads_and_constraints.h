#pragma once
// The right-hand side of K U = F: concentrated forces and the consistent
// nodal forces of linearly varying edge loads; then the constraints, imposed
// by putting 1e20 on the diagonal of each fixed direction.

#include <vector>

#include "method/analysis_data.h"

namespace solvane {

// Consistent nodal forces of one edge load, integrated over the thickness.
// A positive q pushes to the left of the direction from i to j, a positive t
// pulls along it.
struct EdgeForces {
  int i;
  int j;
  double fxi, fyi;
  double fxj, fyj;
};

EdgeForces EdgeLoadForces(const DistributedLoad& load);

// The load vector of the model: from zero, the nodal forces and then the
// edge loads added in file order.
std::vector<double> AppliedLoads(const AnalysisData& data);

// Allocates the displacement vector and sets the load vector to AppliedLoads.
void ApplyLoads(AnalysisData& data);

// Each fixed direction gets 1e20 on its diagonal and a zero load; its other
// band entries keep their assembled values.
void ApplyConstraints(AnalysisData& data);

}  // namespace solvane

#include "method/reactions.h"

#include <algorithm>

#include "method/assembly.h"
#include "method/element.h"
#include "method/loads_and_constraints.h"

namespace solvane {

namespace {

// Whether each DOF is fixed by some constraint record (a flag equal to 1).
std::vector<bool> FixedDofs(const AnalysisData& data) {
  std::vector<bool> fixed(data.neq, false);
  for (const Constraint& c : data.constraints) {
    if (c.ux == 1) fixed[Dof(c.node, kDirectionX)] = true;
    if (c.uy == 1) fixed[Dof(c.node, kDirectionY)] = true;
  }
  return fixed;
}

// K U at the fixed DOFs, element after element: the rows of each element
// matrix that belong to fixed DOFs, times the element's displacements. Only
// elements with a fixed DOF are formed.
std::vector<double> InternalForcesAtFixedDofs(const AnalysisData& data,
                                              const std::vector<bool>& fixed) {
  std::vector<double> internal(data.neq, 0.0);
  DMatrix D;
  ElasticityMatrix(data.E, data.Mu, D);
  for (int e = 0; e < data.NELEM; ++e) {
    ElementDofs dofs;
    GatherDofs(data, e, dofs);
    if (std::none_of(dofs, dofs + kDofPerElement, [&](int dof) { return fixed[dof]; })) continue;
    CornerCoords corners;
    GatherCorners(data, e, corners);
    ElementMatrix ke;
    ElementStiffness(corners, D, data.Thick, ke);
    for (int i = 0; i < kDofPerElement; ++i) {
      if (!fixed[dofs[i]]) continue;
      double force = 0.0;
      for (int j = 0; j < kDofPerElement; ++j) force += ke[i][j] * data.displacement[dofs[j]];
      internal[dofs[i]] += force;
    }
  }
  return internal;
}

}  // namespace

std::vector<NodeReaction> NodeReactions(const AnalysisData& data) {
  const std::vector<bool> fixed = FixedDofs(data);
  const std::vector<double> internal = InternalForcesAtFixedDofs(data, fixed);
  const std::vector<double> applied = AppliedLoads(data);
  auto reaction = [&](int dof) { return fixed[dof] ? internal[dof] - applied[dof] : 0.0; };
  std::vector<NodeReaction> reactions;
  for (int n = 0; n < data.NPOIN; ++n) {
    const int x = Dof(n, kDirectionX);
    const int y = Dof(n, kDirectionY);
    if (fixed[x] || fixed[y]) reactions.push_back({n, reaction(x), reaction(y)});
  }
  return reactions;
}

}  // namespace solvane

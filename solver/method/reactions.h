#pragma once
// Support reactions: at every fixed direction, the force that the supports
// exert on the model. It is the internal force there, each element's
// stiffness times its solved displacements summed into the nodes, minus the
// loads applied there. It is taken from the elements, not from the band,
// whose fixed rows hold 1e20 and are consumed by the elimination.

#include <vector>

#include "method/analysis_data.h"

namespace solvane {

// The reaction at one node; a direction that no constraint fixes has 0.
struct NodeReaction {
  int node;
  double rx;
  double ry;
};

// One entry per node with at least one fixed direction, in node order, from
// the solved displacements of `data`.
std::vector<NodeReaction> NodeReactions(const AnalysisData& data);

}  // namespace solvane

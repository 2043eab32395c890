#include "assembly.h"

#include "console.h"
#include "element.h"
#include "progress.h"

namespace solvane {

namespace {

// Adds the upper triangle of ke at the global DOFs of element e; an entry whose
// row DOF is the larger one goes to its mirror in the upper band.
void ScatterIntoBand(AnalysisData& data, int e, const ElementMatrix ke) {
  int dof[kDofPerElement];
  for (int k = 0; k < kNodesPerElement; ++k) {
    for (int c = 0; c < kDofPerNode; ++c) dof[2 * k + c] = 2 * data.NodeOfCorner(e, k) + c;
  }
  const std::size_t hb = data.halfBandwidth;
  for (int i = 0; i < kDofPerElement; ++i) {
    for (int j = i; j < kDofPerElement; ++j) {
      const std::size_t a = dof[i];
      const std::size_t b = dof[j];
      if (b < a) {
        data.band[b * hb + (a - b)] += ke[i][j];
      } else {
        data.band[a * hb + (b - a)] += ke[i][j];
      }
    }
  }
}

}  // namespace

void AssembleStiffness(AnalysisData& data) {
  ConsoleWrite("Assembling the global stiffness matrix...");
  data.band.assign(static_cast<std::size_t>(data.neq) * data.halfBandwidth, 0.0);
  // One material for all elements: D is formed once.
  DMatrix D;
  ElasticityMatrix(data.E, data.Mu, D);
  CornerCoords corners;
  ElementMatrix ke;
  for (int e = 0; e < data.NELEM; ++e) {
    GatherCorners(data, e, corners);
    ElementStiffness(corners, D, data.Thick, StiffnessPart::kUpperTriangle, ke);
    ScatterIntoBand(data, e, ke);
    PrintProgress(e, data.NELEM, "\n");
  }
}

}  // namespace solvane

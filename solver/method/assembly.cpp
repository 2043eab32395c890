#include "method/assembly.h"

#include "console/console.h"
#include "console/progress.h"

namespace solvane {

void GatherDofs(const AnalysisData& data, int e, ElementDofs dofs) {
  for (int k = 0; k < kNodesPerElement; ++k) {
    for (int c = 0; c < kDofPerNode; ++c) dofs[Dof(k, c)] = Dof(data.NodeOfCorner(e, k), c);
  }
}

void ScatterIntoBand(Band& band, const ElementDofs dofs, const ElementMatrix ke) {
  for (int i = 0; i < kDofPerElement; ++i) {
    for (int j = i; j < kDofPerElement; ++j) band.AddSymmetric(dofs[i], dofs[j], ke[i][j]);
  }
}

void AssembleStiffness(AnalysisData& data) {
  ConsoleWrite("Assembling the global stiffness matrix...");
  data.band = Band(data.neq, data.halfBandwidth);
  DMatrix D;
  ElasticityMatrix(data.E, data.Mu, D);
  for (int e = 0; e < data.NELEM; ++e) {
    CornerCoords corners;
    GatherCorners(data, e, corners);
    ElementMatrix ke;
    ElementStiffness(corners, D, data.Thick, ke);
    ElementDofs dofs;
    GatherDofs(data, e, dofs);
    ScatterIntoBand(data.band, dofs, ke);
    PrintProgress(e, data.NELEM, "\n");
  }
}

}  // namespace solvane

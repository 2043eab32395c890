#include "fast/element_batch.h"

#include "fast/element_quadrature.h"

namespace solvane {

namespace {

// One double per element; with AVX2 one register, on the baseline two. Each
// lane's products and sums are separate instructions, as in the scalar form
// (the build never contracts them).
using Lanes = double __attribute__((vector_size(kElementBatchLanes * sizeof(double))));

// The corners and the mapping at one point of all lanes' elements.
struct CornerLanes {
  Lanes x;
  Lanes y;
};

struct GeometryLanes {
  Lanes J[2][2];
  Lanes detJ;
  Lanes invJ[2][2];
  Lanes dNdx[2][kNodesPerElement];
};

}  // namespace

[[gnu::target_clones("avx2", "default")]]
void ElementStiffnessBatch(const CornerCoords corners[kElementBatchLanes], const DMatrix D, double thick,
                           StiffnessPart part, ElementMatrix* const ke[kElementBatchLanes]) {
  CornerLanes lanes[kNodesPerElement];
  for (int k = 0; k < kNodesPerElement; ++k) {
    for (int l = 0; l < kElementBatchLanes; ++l) {
      lanes[k].x[l] = corners[l][k].x;
      lanes[k].y[l] = corners[l][k].y;
    }
  }
  Lanes sum[kDofPerElement][kDofPerElement] = {};
  AddQuadratureStiffness<GeometryLanes>(lanes, D, thick, part, sum);
  for (int l = 0; l < kElementBatchLanes; ++l) {
    for (int i = 0; i < kDofPerElement; ++i) {
      for (int j = 0; j < kDofPerElement; ++j) (*ke[l])[i][j] = sum[i][j][l];
    }
  }
}

}  // namespace solvane

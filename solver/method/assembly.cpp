#include "method/assembly.h"

#include <algorithm>
#include <thread>
#include <vector>

#include "console/console.h"
#include "method/element.h"
#include "fast/element_batch.h"
#include "console/progress.h"
#include "fast/shared_chunks.h"
#include "fast/zeroed_band.h"

namespace solvane {

namespace {

// Element matrices are computed a block ahead of their scatter, in pieces that
// both threads take; the band only ever receives them in element order.
constexpr int kBlockElements = 1024;
constexpr int kPieceElements = 64;
// With fewer elements than this the calling thread works alone.
constexpr int kSharedElements = 4 * kBlockElements;

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

// An element matrix as a vector element (a vector cannot hold a bare array).
struct StoredMatrix {
  ElementMatrix ke;
};

// The upper triangles of the element matrices of elements [first, end).
struct ElementBlock {
  int first = 0;
  int end = 0;
  std::vector<StoredMatrix> matrices;
  std::vector<IndexRange> pieces;
};

// While the calling thread scatters one block into the band and prints its
// progress, the helper computes the next block; the calling thread then joins
// in with what is left of it.
class BlockAssembly {
 public:
  BlockAssembly(AnalysisData& data, SharedChunks& chunks) : data_(data), chunks_(chunks) {
    ElasticityMatrix(data.E, data.Mu, D_);
    for (ElementBlock& block : blocks_) block.matrices.resize(std::min(data.NELEM, kBlockElements));
  }

  void Run() {
    if (data_.NELEM == 0) return;
    OfferBlock(blocks_[0], 0);
    for (int current = 0;; current ^= 1) {
      chunks_.Finish();
      const ElementBlock& block = blocks_[current];
      const bool last = block.end == data_.NELEM;
      if (!last) OfferBlock(blocks_[current ^ 1], block.end);
      Scatter(block);
      if (last) return;
    }
  }

 private:
  void OfferBlock(ElementBlock& block, int first) {
    block.first = first;
    block.end = std::min(first + kBlockElements, data_.NELEM);
    block.pieces = PiecesOf(first, block.end, kPieceElements);
    work_ = [this, &block](const IndexRange& piece) { Compute(block, piece); };
    chunks_.Offer(work_, block.pieces);
  }

  // Whole batches of elements side by side, then the rest one at a time.
  void Compute(ElementBlock& block, const IndexRange& piece) const {
    int e = piece.begin;
    for (; e + kElementBatchLanes <= piece.end; e += kElementBatchLanes) {
      CornerCoords corners[kElementBatchLanes];
      ElementMatrix* ke[kElementBatchLanes];
      for (int l = 0; l < kElementBatchLanes; ++l) {
        GatherCorners(data_, e + l, corners[l]);
        ke[l] = &block.matrices[e + l - block.first].ke;
      }
      ElementStiffnessBatch(corners, D_, data_.Thick, StiffnessPart::kUpperTriangle, ke);
    }
    for (; e < piece.end; ++e) {
      CornerCoords corners;
      GatherCorners(data_, e, corners);
      ElementStiffness(corners, D_, data_.Thick, StiffnessPart::kUpperTriangle, block.matrices[e - block.first].ke);
    }
  }

  void Scatter(const ElementBlock& block) {
    for (int e = block.first; e < block.end; ++e) {
      ScatterIntoBand(data_, e, block.matrices[e - block.first].ke);
      PrintProgress(e, data_.NELEM, "\n");
    }
  }

  AnalysisData& data_;
  // One material for all elements: D is formed once.
  DMatrix D_;
  ElementBlock blocks_[2];
  SharedChunks::Work work_;
  SharedChunks& chunks_;
};

}  // namespace

void AssembleStiffness(AnalysisData& data) {
  ConsoleWrite("Assembling the global stiffness matrix...");
  SharedChunks chunks(data.NELEM >= kSharedElements && std::thread::hardware_concurrency() >= 2);
  AllocateZeroedBand(data.band, static_cast<std::size_t>(data.neq) * data.halfBandwidth, chunks);
  BlockAssembly(data, chunks).Run();
}

}  // namespace solvane

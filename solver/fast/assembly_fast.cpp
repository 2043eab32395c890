#include "fast/assembly_fast.h"

#include <algorithm>
#include <thread>
#include <vector>

#include "console/console.h"
#include "console/progress.h"
#include "fast/band_mapping.h"
#include "fast/element_batch.h"
#include "fast/shared_chunks.h"
#include "method/assembly.h"

namespace solvane {

namespace {

// Element matrices are computed a block ahead of their scatter, in pieces that
// both threads take; the band only ever receives them in element order.
constexpr int kBlockElements = 1024;
constexpr int kPieceElements = 64;
// With fewer elements than this the calling thread works alone.
constexpr int kSharedElements = 4 * kBlockElements;

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

  // Batches of elements side by side; the lanes of a last batch cut short
  // repeat its last element into a spare matrix.
  void Compute(ElementBlock& block, const IndexRange& piece) const {
    ElementMatrix spare;
    for (int e = piece.begin; e < piece.end; e += kElementBatchLanes) {
      CornerCoords corners[kElementBatchLanes];
      ElementMatrix* ke[kElementBatchLanes];
      for (int l = 0; l < kElementBatchLanes; ++l) {
        const int element = std::min(e + l, piece.end - 1);
        GatherCorners(data_, element, corners[l]);
        ke[l] = e + l < piece.end ? &block.matrices[element - block.first].ke : &spare;
      }
      UpperStiffnessBatch(corners, D_, data_.Thick, ke);
    }
  }

  void Scatter(const ElementBlock& block) {
    for (int e = block.first; e < block.end; ++e) {
      ElementDofs dofs;
      GatherDofs(data_, e, dofs);
      ScatterIntoBand(data_.band, dofs, block.matrices[e - block.first].ke);
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

void AssembleStiffnessFast(AnalysisData& data) {
  ConsoleWrite("Assembling the global stiffness matrix...");
  data.band = Band(data.neq, data.halfBandwidth);
  SharedChunks chunks(data.NELEM >= kSharedElements && std::thread::hardware_concurrency() >= 2);
  MapBandShared(data.band, chunks);
  BlockAssembly(data, chunks).Run();
}

}  // namespace solvane

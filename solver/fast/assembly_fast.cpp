#include "fast/assembly_fast.h"

#include <algorithm>
#include <new>
#include <thread>
#include <utility>
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

// The band's storage asked for ahead of the console line that announces the
// assembly; empty when the system refuses it, so that the refusal comes again
// where it comes without the early request.
Band BandAhead(const AnalysisData& data) {
  try {
    return Band(data.neq, data.halfBandwidth);
  } catch (const std::bad_alloc&) {
    return Band();
  }
}

// Runs `before` on the calling thread while the helper maps the band's pages,
// then maps what is left on both threads. False, with the helper stopped and
// joined, when `before` returns false; what it throws passes on likewise.
bool RunWhileMapping(Band& band, bool withHelper, const std::function<bool()>& before) {
  const BandMapping mapping(band);
  SharedChunks chunks(withHelper);
  mapping.OfferTo(chunks);
  if (!before()) return false;
  chunks.Finish();
  return true;
}

}  // namespace

bool AssembleStiffnessFastAfter(AnalysisData& data, const std::function<bool()>& before) {
  const bool shared = data.NELEM >= kSharedElements && std::thread::hardware_concurrency() >= 2;
  // Without storage held ahead, `before` runs with nothing to map beside it.
  Band band = BandAhead(data);
  try {
    if (!RunWhileMapping(band, shared, before)) return false;
  } catch (const std::bad_alloc&) {
    // The storage held ahead may be what `before` lacked: it is given back
    // and `before` runs again as it would have run without it.
    if (band.entries() == nullptr) throw;
    band = Band();
    if (!before()) return false;
  }
  ConsoleWrite("Assembling the global stiffness matrix...");
  SharedChunks chunks(shared);
  if (band.entries() == nullptr) {
    band = Band(data.neq, data.halfBandwidth);
    MapBandShared(band, chunks);
  }
  data.band = std::move(band);
  BlockAssembly(data, chunks).Run();
  return true;
}

void AssembleStiffnessFast(AnalysisData& data) {
  AssembleStiffnessFastAfter(data, [] { return true; });
}

}  // namespace solvane

#include "fast/stress_recovery_fast.h"

#include <thread>

#include "fast/shared_chunks.h"
#include "method/stress_recovery.h"

namespace solvane {

namespace {

// Elements per piece, and the fewest elements worth a second thread.
constexpr int kPieceElements = 256;
constexpr int kSharedElements = 4096;

}  // namespace

std::vector<StressTriple> AllCornerStressesFast(const AnalysisData& data) {
  std::vector<StressTriple> corners(static_cast<std::size_t>(data.NELEM) * kNodesPerElement);
  const std::vector<IndexRange> pieces = PiecesOf(0, data.NELEM, kPieceElements);
  const SharedChunks::Work work = [&](const IndexRange& piece) {
    for (int e = piece.begin; e < piece.end; ++e) {
      ElementCornerStresses(data, e, &corners[static_cast<std::size_t>(e) * kNodesPerElement]);
    }
  };
  SharedChunks chunks(data.NELEM >= kSharedElements && std::thread::hardware_concurrency() >= 2);
  chunks.Offer(work, pieces);
  chunks.Finish();
  return corners;
}

}  // namespace solvane

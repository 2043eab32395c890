#include "fast/band_mapping.h"

#include <vector>

namespace solvane {

namespace {

// The band is mapped in this many pieces.
constexpr int kMapPieces = 64;

}  // namespace

void MapBandShared(Band& band, SharedChunks& chunks) {
  const std::vector<IndexRange> pieces = PiecesOf(0, kMapPieces, 1);
  const SharedChunks::Work work = [&band](const IndexRange& piece) {
    band.MapPiece(piece.begin, kMapPieces);
  };
  chunks.Offer(work, pieces);
  chunks.Finish();
}

}  // namespace solvane

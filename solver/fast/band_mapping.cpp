#include "fast/band_mapping.h"

namespace solvane {

namespace {

// The band is mapped in this many pieces.
constexpr int kMapPieces = 64;

}  // namespace

BandMapping::BandMapping(Band& band)
    : pieces_(PiecesOf(0, kMapPieces, 1)),
      work_([&band](const IndexRange& piece) { band.MapPiece(piece.begin, kMapPieces); }) {}

void MapBandShared(Band& band, SharedChunks& chunks) {
  const BandMapping mapping(band);
  mapping.OfferTo(chunks);
  chunks.Finish();
}

}  // namespace solvane

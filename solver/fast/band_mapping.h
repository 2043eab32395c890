#pragma once
// The first touch of a large band, shared between threads.

#include <vector>

#include "fast/shared_chunks.h"
#include "method/band.h"

namespace solvane {

// The work of mapping every page of a band ahead of its assembly, in pieces
// that the threads of a SharedChunks take in turn, so that both threads take
// the page faults. The band and this object must live until the pieces are
// finished or the SharedChunks is gone.
class BandMapping {
 public:
  explicit BandMapping(Band& band);
  BandMapping(const BandMapping&) = delete;
  BandMapping& operator=(const BandMapping&) = delete;

  // Offers the pieces: the helper thread starts on them at once, the calling
  // thread joins in at the next Finish of `chunks`.
  void OfferTo(SharedChunks& chunks) const { chunks.Offer(work_, pieces_); }

 private:
  std::vector<IndexRange> pieces_;
  SharedChunks::Work work_;
};

// Maps every page of the band on both threads of `chunks` and returns when
// all are mapped.
void MapBandShared(Band& band, SharedChunks& chunks);

}  // namespace solvane

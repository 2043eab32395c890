#include "zeroed_band.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace solvane {

namespace {

// The storage is first touched in this many pieces.
constexpr int kTouchPieces = 64;

// Asks for huge pages on the whole pages inside the storage of `band`; a
// refusal only leaves the ordinary pages.
void AdviseHugePages(const std::vector<double>& band) {
  const std::uintptr_t page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  const std::uintptr_t begin = (reinterpret_cast<std::uintptr_t>(band.data()) + page - 1) / page * page;
  const std::uintptr_t end = reinterpret_cast<std::uintptr_t>(band.data() + band.capacity()) / page * page;
  if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}

// Writes zeros over the reserved storage of `band`, piece i covering entries
// [i * step, (i + 1) * step), so that both threads take the page faults.
void TouchStorage(std::vector<double>& band, SharedChunks& chunks) {
  const std::size_t entries = band.capacity();
  const std::size_t step = (entries + kTouchPieces - 1) / kTouchPieces;
  std::vector<IndexRange> pieces;
  for (int i = 0; i < kTouchPieces; ++i) pieces.push_back({i, i + 1});
  double* storage = band.data();
  const SharedChunks::Work work = [&](const IndexRange& piece) {
    const std::size_t begin = std::min(entries, piece.begin * step);
    const std::size_t end = std::min(entries, piece.end * step);
    std::memset(storage + begin, 0, (end - begin) * sizeof(double));
  };
  chunks.Offer(work, pieces);
  chunks.Finish();
}

}  // namespace

void AllocateZeroedBand(std::vector<double>& band, std::size_t entries, SharedChunks& chunks) {
  std::vector<double>().swap(band);
  if (entries == 0) return;
  band.reserve(entries);
  AdviseHugePages(band);
  TouchStorage(band, chunks);
  band.assign(entries, 0.0);
}

}  // namespace solvane

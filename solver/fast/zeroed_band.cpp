#include "fast/zeroed_band.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>

namespace solvane {

namespace {

// The storage is first touched in this many pieces.
constexpr int kTouchPieces = 64;

std::size_t PageBytes() { return static_cast<std::size_t>(sysconf(_SC_PAGESIZE)); }

// Asks for huge pages on the whole pages inside the storage of `band`; a
// refusal only leaves the ordinary pages.
void AdviseHugePages(const std::vector<double>& band) {
  const std::uintptr_t page = PageBytes();
  const std::uintptr_t begin = (reinterpret_cast<std::uintptr_t>(band.data()) + page - 1) / page * page;
  const std::uintptr_t end = reinterpret_cast<std::uintptr_t>(band.data() + band.capacity()) / page * page;
  if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}

// Writes a zero into every page of the reserved storage of `band`, piece i
// covering entries [i * step, (i + 1) * step), so that both threads take the
// page faults; the fill with zeros that follows then finds every page mapped.
void TouchStorage(std::vector<double>& band, SharedChunks& chunks) {
  const std::size_t entries = band.capacity();
  const std::size_t step = (entries + kTouchPieces - 1) / kTouchPieces;
  const std::size_t entriesPerPage = std::max<std::size_t>(1, PageBytes() / sizeof(double));
  std::vector<IndexRange> pieces;
  for (int i = 0; i < kTouchPieces; ++i) pieces.push_back({i, i + 1});
  double* storage = band.data();
  const SharedChunks::Work work = [&](const IndexRange& piece) {
    const std::size_t end = std::min(entries, piece.end * step);
    for (std::size_t i = piece.begin * step; i < end; i += entriesPerPage) storage[i] = 0.0;
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

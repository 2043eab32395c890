#include "method/band.h"

#include <sys/mman.h>
#include <unistd.h>

#include <limits>
#include <new>
#include <utility>

namespace solvane {

// The storage is mapped afresh, which the system hands out zeroed: no fill is
// needed. Huge pages, where the system allows them, are cleared and mapped
// many times faster than ordinary pages; a refusal leaves the ordinary ones.
Band::Band(int rows, int halfBandwidth) : rows_(rows), halfBandwidth_(halfBandwidth) {
  if (size() > std::numeric_limits<std::size_t>::max() / sizeof(double)) throw std::bad_alloc();
  const std::size_t bytes = size() * sizeof(double);
  if (bytes == 0) return;
  void* storage = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (storage == MAP_FAILED) throw std::bad_alloc();
  madvise(storage, bytes, MADV_HUGEPAGE);
  entries_ = static_cast<double*>(storage);
}

Band::~Band() { Release(); }

Band::Band(Band&& other) noexcept
    : entries_(std::exchange(other.entries_, nullptr)),
      rows_(std::exchange(other.rows_, 0)),
      halfBandwidth_(std::exchange(other.halfBandwidth_, 0)) {}

Band& Band::operator=(Band&& other) noexcept {
  if (this == &other) return *this;
  Release();
  entries_ = std::exchange(other.entries_, nullptr);
  rows_ = std::exchange(other.rows_, 0);
  halfBandwidth_ = std::exchange(other.halfBandwidth_, 0);
  return *this;
}

void Band::MapPiece(int piece, int pieces) {
  const std::size_t bytes = size() * sizeof(double);
  const std::size_t page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
  const std::size_t pages = (bytes + page - 1) / page;
  const std::size_t first = pages * piece / pieces;
  const std::size_t end = pages * (piece + 1) / pieces;
  if (end > first) {
    madvise(reinterpret_cast<char*>(entries_) + first * page, (end - first) * page, MADV_POPULATE_WRITE);
  }
}

void Band::Release() {
  if (entries_ != nullptr) munmap(entries_, size() * sizeof(double));
  entries_ = nullptr;
}

}  // namespace solvane

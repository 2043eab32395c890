#include "fast/shared_chunks.h"

#include <algorithm>
#include <system_error>

namespace solvane {

std::vector<IndexRange> PiecesOf(int begin, int end, int size) {
  std::vector<IndexRange> pieces;
  for (int first = begin; first < end; first += size) pieces.push_back({first, std::min(first + size, end)});
  return pieces;
}

SharedChunks::SharedChunks(bool withHelper) {
  if (!withHelper) return;
  try {
    helper_ = std::thread([this] { HelperLoop(); });
  } catch (const std::system_error&) {
  }
}

SharedChunks::~SharedChunks() {
  if (!helper_.joinable()) return;
  stop_.store(true, std::memory_order_release);
  helper_.join();
}

void SharedChunks::Offer(const Work& work, const std::vector<IndexRange>& chunks) {
  work_ = &work;
  chunks_ = &chunks;
  total_ = static_cast<int>(chunks.size());
  done_.store(0, std::memory_order_relaxed);
  ++offer_;
  ticket_.store(offer_ << 32 | static_cast<std::uint64_t>(total_) << 16, std::memory_order_release);
}

void SharedChunks::Finish() {
  while (DoOnePiece()) {
  }
  while (done_.load(std::memory_order_acquire) < total_) std::this_thread::yield();
}

// A ticket holds the offer number, the count of pieces and the next piece.
bool SharedChunks::DoOnePiece() {
  std::uint64_t ticket = ticket_.load(std::memory_order_acquire);
  for (;;) {
    const std::uint64_t next = ticket & 0xffff;
    if (next >= (ticket >> 16 & 0xffff)) return false;
    if (ticket_.compare_exchange_weak(ticket, ticket + 1, std::memory_order_acq_rel)) {
      (*work_)((*chunks_)[next]);
      done_.fetch_add(1, std::memory_order_release);
      return true;
    }
  }
}

void SharedChunks::HelperLoop() {
  while (!stop_.load(std::memory_order_acquire)) {
    if (!DoOnePiece()) std::this_thread::yield();
  }
}

}  // namespace solvane

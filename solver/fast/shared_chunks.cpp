#include "fast/shared_chunks.h"

#include <algorithm>
#include <chrono>
#include <system_error>

namespace solvane {

namespace {

// How long a thread without work polls before it sleeps: longer than the
// other thread usually needs to finish a piece or offer the next ones, so
// that on a quiet machine neither thread sleeps and pays for the wake-up.
constexpr std::chrono::microseconds kPollingTime{50};

// Returns once `value` is no longer `seen`: polls, yielding the core between
// polls, for kPollingTime, then sleeps until a store to `value` notifies.
void AwaitChange(const std::atomic<int>& value, int seen) {
  const auto until = std::chrono::steady_clock::now() + kPollingTime;
  while (value.load(std::memory_order_acquire) == seen) {
    if (std::chrono::steady_clock::now() >= until) {
      value.wait(seen, std::memory_order_acquire);
      return;
    }
    std::this_thread::yield();
  }
}

}  // namespace

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
  offers_.fetch_add(1, std::memory_order_release);
  offers_.notify_one();
  helper_.join();
}

void SharedChunks::Offer(const Work& work, const std::vector<IndexRange>& chunks) {
  work_ = &work;
  chunks_ = &chunks;
  total_ = static_cast<int>(chunks.size());
  done_.store(0, std::memory_order_relaxed);
  ++offer_;
  ticket_.store(offer_ << 32 | static_cast<std::uint64_t>(total_) << 16, std::memory_order_release);
  offers_.fetch_add(1, std::memory_order_release);
  offers_.notify_one();
}

void SharedChunks::Finish() {
  while (DoOnePiece(End::kFirst)) {
  }
  for (int done = done_.load(std::memory_order_acquire); done < total_;
       done = done_.load(std::memory_order_acquire)) {
    AwaitChange(done_, done);
  }
}

bool SharedChunks::DoOnePiece(End end) {
  std::uint64_t ticket = ticket_.load(std::memory_order_acquire);
  for (;;) {
    const std::uint64_t first = ticket & 0xffff;
    const std::uint64_t pastLast = ticket >> 16 & 0xffff;
    if (first >= pastLast) return false;
    const bool fromFirst = end == End::kFirst;
    const std::uint64_t taken = fromFirst ? ticket + 1 : ticket - (std::uint64_t{1} << 16);
    if (ticket_.compare_exchange_weak(ticket, taken, std::memory_order_acq_rel)) {
      (*work_)((*chunks_)[fromFirst ? first : pastLast - 1]);
      done_.fetch_add(1, std::memory_order_release);
      done_.notify_one();
      return true;
    }
  }
}

void SharedChunks::HelperLoop() {
  for (;;) {
    // The count is read before the stop: a stop after it changes the count.
    const int offers = offers_.load(std::memory_order_acquire);
    if (stop_.load(std::memory_order_acquire)) return;
    if (!DoOnePiece(End::kLast)) AwaitChange(offers_, offers);
  }
}

}  // namespace solvane

#pragma once
// Pieces of work shared between the calling thread and one helper thread.

#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>
#include <vector>

namespace solvane {

// Indices [begin, end) of one piece of work.
struct IndexRange {
  int begin;
  int end;
};

// [begin, end) cut into pieces of `size` indices, the last one shorter.
std::vector<IndexRange> PiecesOf(int begin, int end, int size);

// Pieces of work handed out to whichever thread asks first: the helper thread
// takes them as soon as they are offered, the calling thread once its own work
// is done, so that neither waits for the other longer than one piece, even
// when the machine is busy and one of them is not running. A thread without
// work polls for a short while, yielding its core between polls, and then
// sleeps until the work it waits for arrives: when both threads share one
// core, a waiting thread soon stops taking turns from the working one.
class SharedChunks {
 public:
  using Work = std::function<void(const IndexRange&)>;

  // Without a helper (none asked for, or none could be started) the calling
  // thread does every piece.
  explicit SharedChunks(bool withHelper);
  ~SharedChunks();
  SharedChunks(const SharedChunks&) = delete;
  SharedChunks& operator=(const SharedChunks&) = delete;

  // Offers the pieces (at most 65535); `work` and `chunks` must live until
  // Finish returns.
  void Offer(const Work& work, const std::vector<IndexRange>& chunks);

  // Does pieces until none is left, then waits for those the helper holds.
  void Finish();

 private:
  bool DoOnePiece();
  void HelperLoop();

  std::atomic<std::uint64_t> ticket_{0};
  // Counts the offers (and the stop); a change wakes the sleeping helper.
  std::atomic<int> offers_{0};
  // Pieces finished; a change wakes the calling thread sleeping in Finish.
  std::atomic<int> done_{0};
  std::atomic<bool> stop_{false};
  const Work* work_ = nullptr;
  const std::vector<IndexRange>* chunks_ = nullptr;
  int total_ = 0;
  std::uint64_t offer_ = 0;
  std::thread helper_;
};

}  // namespace solvane

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

// Pieces of work shared from both ends of their list: the calling thread takes
// them from the first on, once its own work is done, the helper thread from
// the last on, as soon as they are offered. Neither waits for the other longer
// than one piece, even when the machine is busy and one of them is not running,
// and when pieces near each other in the list hold data near each other, from
// offer to offer each thread keeps working on the data it has in its caches:
// only the pieces around where the two threads meet change threads. A thread without
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
  // The end of the list a thread takes its pieces from.
  enum class End { kFirst, kLast };

  bool DoOnePiece(End end);
  void HelperLoop();

  // The offer number, one past the last piece not taken and the first piece
  // not taken, in bits 32 to 63, 16 to 31 and 0 to 15.
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

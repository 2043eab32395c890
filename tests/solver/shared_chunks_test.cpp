// Pieces shared between the calling thread and the helper must each be done
// exactly once per offer whoever takes them; the calling thread takes them
// from the first on and the helper from the last on, so that each thread's
// pieces form one end of the list; and a helper that is held up never keeps
// the calling thread from finishing the others.

#include "fast/shared_chunks.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace solvane {
namespace {

// Which thread did each piece of one offer: 1 the calling thread, 2 another.
class PieceRecord {
 public:
  explicit PieceRecord(int count) : doneBy_(count) {
    for (std::atomic<int>& entry : doneBy_) entry.store(0);
  }

  void Mark(int piece, std::thread::id caller) {
    const int thread = std::this_thread::get_id() == caller ? 1 : 2;
    EXPECT_EQ(doneBy_[piece].exchange(thread), 0) << "piece " << piece << " done twice";
  }

  int DoneBy(int piece) const { return doneBy_[piece].load(); }
  int Count() const { return static_cast<int>(doneBy_.size()); }

 private:
  std::vector<std::atomic<int>> doneBy_;
};

void OfferAndFinish(SharedChunks& chunks, PieceRecord& record, const std::vector<IndexRange>& pieces) {
  const std::thread::id caller = std::this_thread::get_id();
  const SharedChunks::Work work = [&](const IndexRange& piece) {
    // Uneven piece times shuffle where the two threads meet.
    if (piece.begin % 3 == 0) std::this_thread::yield();
    record.Mark(piece.begin, caller);
  };
  chunks.Offer(work, pieces);
  chunks.Finish();
}

TEST(SharedChunks, EveryPieceOfEveryOfferIsDoneOnceAndEachThreadKeepsItsEnd) {
  SharedChunks chunks(true);
  for (int round = 0; round < 300; ++round) {
    const int count = round % 40;
    PieceRecord record(count);
    OfferAndFinish(chunks, record, PiecesOf(0, count, 1));
    int piece = 0;
    while (piece < count && record.DoneBy(piece) == 1) ++piece;
    while (piece < count && record.DoneBy(piece) == 2) ++piece;
    EXPECT_EQ(piece, count) << "round " << round << ": the threads' pieces are not one end each";
  }
}

TEST(SharedChunks, AHeldUpHelperLeavesTheCallingThreadEveryOtherPiece) {
  constexpr int kCount = 16;
  SharedChunks chunks(true);
  const std::thread::id caller = std::this_thread::get_id();
  std::atomic<int> doneByCaller{0};
  std::atomic<int> heldPiece{-1};
  const SharedChunks::Work work = [&](const IndexRange& piece) {
    if (std::this_thread::get_id() == caller) {
      ++doneByCaller;
      return;
    }
    // The helper's first piece lasts until the calling thread has done all
    // the others (or a generous time has passed, so that a failure shows).
    heldPiece.store(piece.begin);
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (doneByCaller.load() < kCount - 1 && std::chrono::steady_clock::now() < until) std::this_thread::yield();
  };
  const std::vector<IndexRange> pieces = PiecesOf(0, kCount, 1);
  chunks.Offer(work, pieces);
  // The helper has taken its piece before the calling thread starts.
  while (heldPiece.load() < 0) std::this_thread::yield();
  chunks.Finish();
  EXPECT_EQ(heldPiece.load(), kCount - 1);
  EXPECT_EQ(doneByCaller.load(), kCount - 1);
}

}  // namespace
}  // namespace solvane

// Pieces built on two threads must reach their user in order, each exactly
// once and complete, however the threads' turns fall; what a building throws
// must reach the caller, and the helper thread must not outlive the call.

#include "output/pieces_in_order.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace solvane {
namespace {

std::string TextOf(int piece) { return std::string(1 + piece % 7, static_cast<char>('a' + piece % 26)); }

bool Ready() { return true; }

TEST(PiecesInOrder, EveryPieceIsUsedOnceInOrderWithItsOwnText) {
  for (int count : {0, 1, kPiecesAhead, 3 * kPiecesAhead + 1, 200}) {
    std::vector<std::string> used;
    EXPECT_TRUE(BuildPiecesInOrder(
        count,
        [](int piece, std::string& text) {
          EXPECT_TRUE(text.empty());
          // Uneven building times shuffle which thread finishes first.
          if (piece % 3 == 0) std::this_thread::yield();
          text = TextOf(piece);
        },
        Ready, [&](const std::string& text) { used.push_back(text); }));
    ASSERT_EQ(used.size(), static_cast<std::size_t>(count));
    for (int piece = 0; piece < count; ++piece) EXPECT_EQ(used[piece], TextOf(piece)) << piece;
  }
}

TEST(PiecesInOrder, NoMorePiecesAreBuiltAheadThanTheBound) {
  std::atomic<int> used{0};
  std::atomic<int> furthestAhead{0};
  BuildPiecesInOrder(
      100,
      [&](int piece, std::string& text) {
        const int ahead = piece - used.load();
        if (ahead > furthestAhead.load()) furthestAhead.store(ahead);
        text = TextOf(piece);
      },
      Ready,
      [&](const std::string&) {
        std::this_thread::yield();
        ++used;
      });
  EXPECT_LT(furthestAhead.load(), kPiecesAhead);
}

TEST(PiecesInOrder, AFailedBuildingReachesTheCallerAfterTheEarlierPieces) {
  std::vector<int> used;
  int piece = 0;
  EXPECT_THROW(BuildPiecesInOrder(
                   20,
                   [](int p, std::string& text) {
                     if (p == 9) throw std::runtime_error("no room");
                     text = TextOf(p);
                   },
                   Ready,
                   [&](const std::string& text) {
                     EXPECT_EQ(text, TextOf(piece));
                     used.push_back(piece++);
                   }),
               std::runtime_error);
  EXPECT_EQ(used.size(), 9u);
}

TEST(PiecesInOrder, AFailedPreparationUsesNoPieceAndStopsTheHelper) {
  std::atomic<int> built{0};
  bool anyUsed = false;
  const bool done = BuildPiecesInOrder(
      200,
      [&](int piece, std::string& text) {
        text = TextOf(piece);
        ++built;
      },
      [] { return false; }, [&](const std::string&) { anyUsed = true; });
  EXPECT_FALSE(done);
  EXPECT_FALSE(anyUsed);
  // The helper never builds more than the bound ahead of the pieces used.
  EXPECT_LE(built.load(), kPiecesAhead);
}

}  // namespace
}  // namespace solvane

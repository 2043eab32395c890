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

TEST(PiecesInOrder, EveryPieceIsUsedOnceInOrderWithItsOwnText) {
  for (int count : {0, 1, kPiecesAhead, 3 * kPiecesAhead + 1, 200}) {
    std::vector<std::string> used;
    BuildPiecesInOrder(
        count,
        [](int piece, std::string& text) {
          EXPECT_TRUE(text.empty());
          // Uneven building times shuffle which thread finishes first.
          if (piece % 3 == 0) std::this_thread::yield();
          text = TextOf(piece);
        },
        [&](const std::string& text) { used.push_back(text); });
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
                   [&](const std::string& text) {
                     EXPECT_EQ(text, TextOf(piece));
                     used.push_back(piece++);
                   }),
               std::runtime_error);
  EXPECT_EQ(used.size(), 9u);
}

TEST(PiecesInOrder, AFailedUseStopsTheHelperAndReachesTheCaller) {
  EXPECT_THROW(BuildPiecesInOrder(
                   50, [](int p, std::string& text) { text = TextOf(p); },
                   [](const std::string& text) {
                     if (text == TextOf(5)) throw std::runtime_error("disk full");
                   }),
               std::runtime_error);
}

TEST(PiecesInOrder, PiecesBuiltWhilePreparingAreUsedInOrderAfterIt) {
  std::atomic<int> built{0};
  std::vector<std::string> used;
  bool prepared = false;
  const bool done = BuildPiecesInOrder(
      3 * kPiecesAhead,
      [&](int piece, std::string& text) {
        text = TextOf(piece);
        ++built;
      },
      [&] {
        // The helper may already build while this runs; give it the chance.
        for (int spin = 0; spin < 1000 && built.load() == 0; ++spin) std::this_thread::yield();
        EXPECT_TRUE(used.empty());
        prepared = true;
        return true;
      },
      [&](const std::string& text) {
        EXPECT_TRUE(prepared);
        used.push_back(text);
      });
  EXPECT_TRUE(done);
  ASSERT_EQ(used.size(), static_cast<std::size_t>(3 * kPiecesAhead));
  for (int piece = 0; piece < 3 * kPiecesAhead; ++piece) EXPECT_EQ(used[piece], TextOf(piece)) << piece;
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

TEST(PiecesInOrder, WhatThePreparationThrowsReachesTheCaller) {
  EXPECT_THROW(BuildPiecesInOrder(
                   50, [](int p, std::string& text) { text = TextOf(p); },
                   []() -> bool { throw std::runtime_error("no file"); }, [](const std::string&) {}),
               std::runtime_error);
}

}  // namespace
}  // namespace solvane

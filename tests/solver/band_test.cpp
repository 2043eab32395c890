// The band owns the storage of the global matrix: it starts with zeros, every
// way of reaching an entry reaches the same one, and its storage moves with it.

#include "method/band.h"

#include <gtest/gtest.h>

#include <climits>
#include <new>
#include <utility>

namespace solvane {
namespace {

// Every entry set to a number that names its row and column.
Band NumberedBand(int rows, int halfBandwidth) {
  Band band(rows, halfBandwidth);
  for (int r = 0; r < rows; ++r) {
    for (int c = r; c < r + halfBandwidth; ++c) band(r, c) = 1000.0 * r + c;
  }
  return band;
}

TEST(Band, StartsWithZerosInEveryEntryBeyondTheLastRowToo) {
  const Band band(300, 17);
  ASSERT_EQ(band.size(), 300u * 17u);
  for (std::size_t i = 0; i < band.size(); ++i) ASSERT_EQ(band.entries()[i], 0.0) << i;
  EXPECT_EQ(band(299, 299 + 16), 0.0);
}

TEST(Band, HoldsRowAfterRowWithTheDiagonalFirst) {
  Band band = NumberedBand(6, 4);
  for (int r = 0; r < 6; ++r) {
    EXPECT_EQ(band.Diagonal(r), 1000.0 * r + r);
    for (int c = r; c < r + 4; ++c) {
      EXPECT_EQ(&band(r, c), band.entries() + r * 4 + (c - r)) << r << "," << c;
      EXPECT_EQ(&band.Row(r)[c], &band(r, c));
    }
  }
}

TEST(Band, RowStrideLeadsFromOneRowPointerToTheNext) {
  Band band = NumberedBand(5, 3);
  for (int r = 0; r + 1 < 5; ++r) EXPECT_EQ(band.Row(r) + band.RowStride(), band.Row(r + 1));
  // Down a column block: entry (r, r + 1) of each row, one stride apart.
  double* entry = &band(0, 1);
  for (int r = 0; r + 1 < 5; ++r, entry += band.RowStride() + 1) EXPECT_EQ(*entry, 1000.0 * r + r + 1);
}

TEST(Band, SymmetricAddGoesToTheEntryAboveTheDiagonal) {
  Band band(6, 4);
  band.AddSymmetric(5, 3, 2.5);
  band.AddSymmetric(3, 5, 1.0);
  band.AddSymmetric(4, 4, -7.0);
  EXPECT_EQ(band(3, 5), 3.5);
  EXPECT_EQ(band(4, 4), -7.0);
}

TEST(Band, MappingAheadKeepsEveryEntry) {
  Band band = NumberedBand(2000, 300);
  for (int piece = 0; piece < 7; ++piece) band.MapPiece(piece, 7);
  for (int r = 0; r < 2000; r += 37) EXPECT_EQ(band(r, r + 299), 1000.0 * r + r + 299);
}

TEST(Band, StorageMovesWithTheBand) {
  Band band = NumberedBand(4, 2);
  const double* storage = band.entries();
  Band moved = std::move(band);
  EXPECT_EQ(moved.entries(), storage);
  EXPECT_EQ(moved(3, 4), 3004.0);
  EXPECT_EQ(band.size(), 0u);
  band = std::move(moved);
  EXPECT_EQ(band(2, 3), 2003.0);
}

TEST(Band, StorageTheSystemCannotGiveIsRefusedWithBadAlloc) {
  EXPECT_THROW(Band(1 << 30, 1 << 30), std::bad_alloc);
  EXPECT_THROW(Band(INT_MAX, INT_MAX), std::bad_alloc);
  const Band empty(0, 2);
  EXPECT_EQ(empty.size(), 0u);
}

}  // namespace
}  // namespace solvane

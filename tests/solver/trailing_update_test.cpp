#include "fast/trailing_update.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace solvane {
namespace {

// A region of `width` rows and columns below a panel of `pivots` pivots that
// all reach every column, laid out as in the band: region row x starts
// `stride` entries after row x - 1 and holds its own entries from its
// diagonal on. Every other entry holds a NaN whose bits mark it as not the
// region's, so that any write to it shows.
struct Region {
  static constexpr int kPivots = 5;
  static constexpr int kStride = 61;

  explicit Region(int width) : width(width), entries(static_cast<std::size_t>(width + 1) * kStride, Foreign()) {
    for (int x = 0; x < width; ++x) {
      for (int c = x; c < width; ++c) At(x, c) = 1.0 + 0.01 * x - 0.003 * c;
    }
    for (int k = 0; k < kPivots; ++k) {
      for (int x = 0; x < width; ++x) multiplier[k * kStride + x] = -0.25 + 0.07 * k - 0.002 * x;
    }
  }

  static double Foreign() {
    const std::uint64_t bits = 0x7ff8'0000'dead'beefULL;
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
  }

  double& At(int x, int c) { return entries[static_cast<std::size_t>(x) * kStride + c]; }

  double Value(int k, int c) const { return 0.5 - 0.09 * k + 0.004 * c; }

  // The pivots' values packed for a variant of `lanes` lanes.
  PackedPanel Packed(int lanes, PackedValues& values) const {
    values.assign(static_cast<std::size_t>(kMostPackedPivots) * (width + kWidestLanes), 0.0);
    for (int k = 0; k < kPivots; ++k) {
      for (int c = 0; c < width; ++c) values[lanes * ((c / lanes) * kMostPackedPivots + k) + c % lanes] = Value(k, c);
    }
    return {values.data(), multiplier.data(), kStride, kPivots, width, width + kPivots};
  }

  // Entry (x, c) after every pivot's product, each a multiply then an add, in
  // pivot order.
  double Updated(int x, int c) const {
    double entry = 1.0 + 0.01 * x - 0.003 * c;
    for (int k = 0; k < kPivots; ++k) {
      const double product = multiplier[k * kStride + x] * Value(k, c);
      entry = entry + product;
    }
    return entry;
  }

  int width;
  std::vector<double> entries;
  std::vector<double> multiplier = std::vector<double>(static_cast<std::size_t>(kPivots) * kStride);
};

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

class TrailingUpdateVariant : public ::testing::TestWithParam<VectorIsa> {
 protected:
  void SetUp() override {
    if (!ProcessorRuns(GetParam())) GTEST_SKIP() << "this processor lacks " << Kernel().name;
  }
  const TrailingUpdateKernel& Kernel() const { return TrailingUpdateKernelFor(GetParam()); }
};

INSTANTIATE_TEST_SUITE_P(EveryVariant, TrailingUpdateVariant,
                         ::testing::Values(VectorIsa::kSse2, VectorIsa::kAvx2, VectorIsa::kAvx512),
                         [](const ::testing::TestParamInfo<VectorIsa>& info) {
                           std::string name = TrailingUpdateKernelFor(info.param).name;
                           std::erase(name, '-');
                           return name;
                         });

// Rows [xBegin, xEnd) get every product, in pivot order; no other entry, of
// another row or left of a diagonal or past the region, is written. The row
// counts cover every remainder of a tile's rows, and the widths a right edge
// inside a vector as well as on its boundary.
TEST_P(TrailingUpdateVariant, UpdatesExactlyTheRowsItIsGivenInPivotOrder) {
  for (const int width : {45, 48, 53}) {
    for (int xBegin = 0; xBegin < 3; ++xBegin) {
      for (int xEnd = xBegin + 1; xEnd <= xBegin + 14; ++xEnd) {
        Region region(width);
        const std::vector<double> before = region.entries;
        PackedValues values;
        Kernel().update(region.entries.data(), Region::kStride, region.Packed(Kernel().lanes, values), xBegin, xEnd);
        for (int x = 0; x <= width; ++x) {
          for (int c = 0; c < Region::kStride; ++c) {
            const bool updated = x >= xBegin && x < xEnd && c >= x && c < width;
            const std::size_t index = static_cast<std::size_t>(x) * Region::kStride + c;
            const double expected = updated ? region.Updated(x, c) : before[index];
            ASSERT_TRUE(SameBits(region.At(x, c), expected))
                << "width " << width << ", rows [" << xBegin << ", " << xEnd << "), entry (" << x << ", " << c << ")";
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace solvane

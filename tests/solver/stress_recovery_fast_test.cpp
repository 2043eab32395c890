// The corner stresses shared out between two threads must be those of the
// plain recovery, element after element, bit for bit.

#include "fast/stress_recovery_fast.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "method/stress_recovery.h"
#include "test_models.h"

namespace solvane {
namespace {

// A distorted grid with a smooth displacement field that no element sees twice.
AnalysisData DeformedGrid(int cols, int rows) {
  AnalysisData data = testing::DistortedGrid(cols, rows, 0.1 * cols, 0.1 * rows);
  data.displacement.resize(data.neq);
  for (int n = 0; n < data.NPOIN; ++n) {
    const double x = data.nodes[n].x;
    const double y = data.nodes[n].y;
    data.displacement[Dof(n, kDirectionX)] = 1e-3 * x * y - 2e-4 * y * y;
    data.displacement[Dof(n, kDirectionY)] = 3e-4 * x * x;
  }
  return data;
}

void ExpectPlainCornerStressBits(const AnalysisData& data) {
  const std::vector<StressTriple> plain = AllCornerStresses(data);
  const std::vector<StressTriple> fast = AllCornerStressesFast(data);
  ASSERT_EQ(fast.size(), plain.size());
  EXPECT_EQ(std::memcmp(fast.data(), plain.data(), plain.size() * sizeof(StressTriple)), 0)
      << data.NELEM << " elements";
}

TEST(StressRecoveryFast, ManyElementsGiveTheBitsOfThePlainRecovery) {
  // Enough elements for the work to be shared by two threads, in pieces that
  // do not divide them.
  ExpectPlainCornerStressBits(DeformedGrid(81, 61));
}

TEST(StressRecoveryFast, FewElementsGiveTheBitsOfThePlainRecovery) {
  ExpectPlainCornerStressBits(DeformedGrid(1, 1));
  ExpectPlainCornerStressBits(DeformedGrid(7, 3));
}

}  // namespace
}  // namespace solvane

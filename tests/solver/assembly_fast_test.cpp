// The fast assembly computes the element matrices four at a time on two
// threads a block ahead of their scatter: the band must still hold the bits of
// the plain assembly, element after element, and the console the same text.

#include "fast/assembly_fast.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "console/console.h"
#include "method/assembly.h"
#include "method/band_size.h"
#include "test_models.h"

namespace solvane {
namespace {

using testing::BandEntries;

// A distorted cols x rows grid whose nodes are all moved again by different
// small amounts, so that no two elements have the same matrix.
AnalysisData IrregularGrid(int cols, int rows) {
  AnalysisData data = testing::DistortedGrid(cols, rows, 0.1 * cols, 0.1 * rows);
  data.Thick = 0.7;
  for (int n = 0; n < data.NPOIN; ++n) {
    data.nodes[n].x += 0.0003 * ((n * 7919) % 13 - 6);
    data.nodes[n].y += 0.0002 * ((n * 104729) % 11 - 5);
  }
  data.halfBandwidth = ComputeHalfBandwidth(data);
  return data;
}

// The band and the console text an assembly leaves.
struct Assembled {
  std::vector<double> band;
  std::string console;
};

Assembled AssembleWith(void (*assemble)(AnalysisData&), AnalysisData& data) {
  ::testing::internal::CaptureStdout();
  assemble(data);
  std::string console = ::testing::internal::GetCapturedStdout();
  return {BandEntries(data.band), std::move(console)};
}

// The index of the first entry whose bits differ, or -1.
long long FirstDifferentBits(const std::vector<double>& a, const std::vector<double>& b) {
  if (a.size() != b.size()) return 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::bit_cast<std::uint64_t>(a[i]) != std::bit_cast<std::uint64_t>(b[i])) {
      return static_cast<long long>(i);
    }
  }
  return -1;
}

void ExpectPlainAssemblyBits(AnalysisData data) {
  const Assembled plain = AssembleWith(AssembleStiffness, data);
  const Assembled fast = AssembleWith(AssembleStiffnessFast, data);
  EXPECT_EQ(FirstDifferentBits(fast.band, plain.band), -1) << data.NELEM << " elements";
  EXPECT_EQ(fast.console, plain.console) << data.NELEM << " elements";
}

// 97 x 53 = 5141 elements: enough for both threads, several blocks and a last
// block cut short at a count that no block, piece or batch size divides.
TEST(AssemblyFast, ManyElementsGiveTheBitsAndTextOfThePlainAssembly) {
  ExpectPlainAssemblyBits(IrregularGrid(97, 53));
}

TEST(AssemblyFast, FewElementsGiveTheBitsAndTextOfThePlainAssembly) {
  ExpectPlainAssemblyBits(IrregularGrid(1, 1));
  ExpectPlainAssemblyBits(IrregularGrid(3, 2));
  ExpectPlainAssemblyBits(IrregularGrid(13, 5));
  AnalysisData lone = testing::MeshModel({{0, 0}}, {});
  lone.halfBandwidth = ComputeHalfBandwidth(lone);
  ExpectPlainAssemblyBits(std::move(lone));
}

TEST(AssemblyFast, ReassemblyStartsFromZeros) {
  AnalysisData data = IrregularGrid(60, 70);
  AssembleWith(AssembleStiffnessFast, data);
  const Assembled again = AssembleWith(AssembleStiffnessFast, data);
  EXPECT_EQ(FirstDifferentBits(again.band, AssembleWith(AssembleStiffness, data).band), -1);
}

// The assembly after a step that prints, as a run draws its structure first.
bool AssembleAfterPrinting(AnalysisData& data) {
  return AssembleStiffnessFastAfter(data, [] {
    ConsoleWrite("drawn\n");
    return true;
  });
}

TEST(AssemblyFast, StepBeforeTheAssemblyPrintsFirstAndLeavesTheBits) {
  AnalysisData data = IrregularGrid(97, 53);
  const Assembled plain = AssembleWith(AssembleStiffness, data);
  ::testing::internal::CaptureStdout();
  EXPECT_TRUE(AssembleAfterPrinting(data));
  const std::string console = ::testing::internal::GetCapturedStdout();
  EXPECT_EQ(FirstDifferentBits(BandEntries(data.band), plain.band), -1);
  EXPECT_EQ(console, "drawn\n" + plain.console);
}

TEST(AssemblyFast, StepBeforeTheAssemblyThatFailsEndsItWithoutText) {
  AnalysisData data = IrregularGrid(97, 53);
  ::testing::internal::CaptureStdout();
  EXPECT_FALSE(AssembleStiffnessFastAfter(data, [] { return false; }));
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(data.band.size(), 0u);
}

TEST(AssemblyFast, StepBeforeTheAssemblyShortOfMemoryRunsAgainWithoutTheBand) {
  AnalysisData data = IrregularGrid(97, 53);
  const Assembled plain = AssembleWith(AssembleStiffness, data);
  int runs = 0;
  ::testing::internal::CaptureStdout();
  EXPECT_TRUE(AssembleStiffnessFastAfter(data, [&]() -> bool {
    if (++runs == 1) throw std::bad_alloc();
    return true;
  }));
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), plain.console);
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(FirstDifferentBits(BandEntries(data.band), plain.band), -1);
}

}  // namespace
}  // namespace solvane

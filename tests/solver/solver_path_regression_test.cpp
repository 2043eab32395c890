// Solvane run as a real process on a plate of a few thousand elements, once
// with the fast forms of its steps and once with the plain forms selected by
// SOLVANE_LITERAL_SOLVER=1 (plain element, assembly, elimination and corner
// stresses): every result file must come out byte for byte the same, and so
// must the console apart from the measured time.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "output/number_text.h"
#include "solvane_process.h"

namespace solvane {
namespace {

// A 100 x 45 plate of distorted quadrilaterals numbered row by row (4646
// nodes, half-bandwidth 204, elements enough for the fast forms to share
// their work between two threads), its left edge held, a force at the far
// corner and a varying pressure with a shear along the top edge.
std::string PlateModel() {
  constexpr int kCols = 100;
  constexpr int kRows = 45;
  constexpr int kRowNodes = kCols + 1;
  std::string text = "E=210000\nMu=0.3\nThick=0.5\nNPOIN=" + std::to_string(kRowNodes * (kRows + 1)) + "\n";
  for (int r = 0; r <= kRows; ++r) {
    for (int c = 0; c < kRowNodes; ++c) {
      const bool inside = r > 0 && r < kRows && c > 0 && c < kCols;
      const double x = 0.1 * c + (inside ? 0.015 * ((r + c) % 3 - 1) : 0.0);
      const double y = 0.1 * r + (inside ? 0.01 * (c % 2 == 0 ? 1 : -1) : 0.0);
      text += FormatReal(x) + "," + FormatReal(y) + "\n";
    }
  }
  text += "NELEM=" + std::to_string(kCols * kRows) + "\n";
  for (int r = 0; r < kRows; ++r) {
    for (int c = 0; c < kCols; ++c) {
      const int n0 = r * kRowNodes + c;
      text += std::to_string(n0) + "," + std::to_string(n0 + 1) + "," + std::to_string(n0 + kRowNodes + 1) +
              "," + std::to_string(n0 + kRowNodes) + "\n";
    }
  }
  text += "NRN=" + std::to_string(kRows + 1) + "\n";
  for (int r = 0; r <= kRows; ++r) text += std::to_string(r * kRowNodes) + ":1 1\n";
  text += "NFOR=1\n" + std::to_string(kCols) + "<0,-400>\n";
  text += "NPRS=" + std::to_string(kCols) + "\n";
  const int topLeft = kRows * kRowNodes;
  for (int c = 0; c < kCols; ++c) {
    text += std::to_string(topLeft + c + 1) + "(" + FormatReal(10.0 + 0.1 * c) + ",2)," + std::to_string(topLeft + c) +
            "(" + FormatReal(10.1 + 0.1 * c) + ",2)\n";
  }
  return text;
}

testing::ProcessResult RunIn(const testing::fs::path& dir, bool literalSolver) {
  testing::fs::create_directory(dir);
  testing::WriteFile(dir / "fem.txt", PlateModel());
  if (literalSolver) setenv("SOLVANE_LITERAL_SOLVER", "1", 1);
  const testing::ProcessResult run = testing::RunSolvane(dir);
  unsetenv("SOLVANE_LITERAL_SOLVER");
  return run;
}

TEST(SolverPathChoice, FastAndPlainFormsWriteIdenticalResultFiles) {
  testing::ScratchFolder scratch;
  const testing::fs::path fastDir = scratch / "fast";
  const testing::fs::path plainDir = scratch / "plain";
  const testing::ProcessResult fast = RunIn(fastDir, false);
  const testing::ProcessResult plain = RunIn(plainDir, true);
  ASSERT_EQ(fast.status, 0);
  ASSERT_EQ(plain.status, 0);
  EXPECT_EQ(testing::WithoutTime(fast.console), testing::WithoutTime(plain.console));
  ASSERT_EQ(testing::FilesIn(fastDir), testing::FilesIn(plainDir));
  EXPECT_EQ(testing::FilesIn(fastDir).size(), 11u);  // fem.txt and the ten files a run writes
  for (const std::string& name : testing::FilesIn(fastDir)) {
    EXPECT_TRUE(testing::ReadFile(fastDir / name) == testing::ReadFile(plainDir / name)) << name;
  }
}

}  // namespace
}  // namespace solvane

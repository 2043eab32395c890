// Solvane gathers each result file in a buffer and writes it out in blocks.
// These runs of the real program check that every file it has finished is
// complete on disk, byte for byte as a normal run writes it, on each way a run
// ends: normally, when a later file cannot be opened, while the retry prompt
// of a drawing waits, and after Esc at that prompt.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "child_run.h"
#include "output/result_file.h"
#include "solvane_process.h"

namespace solvane {
namespace {

using testing::FilesIn;
using testing::ReadFile;
using testing::RunSolvane;
using testing::ScratchFolder;
using testing::WriteFile;

namespace fs = std::filesystem;

constexpr int kCols = 150;
constexpr int kRows = 50;
constexpr int kNodes = (kCols + 1) * (kRows + 1);
constexpr int kElements = kCols * kRows;
constexpr int kEntityLines = 16;

struct ResultFileShape {
  std::string name;
  int lines;
};

// Every file a run writes, in the order it writes them, with the number of
// lines it has when complete.
const std::vector<ResultFileShape> kResultFilesInOrder = {
    {"structure.dxf", 5 + kEntityLines * (5 * kElements + kNodes) + 3},
    {"Node_Dis.txt", 1 + kNodes},
    {"deformation.dxf", 5 + kEntityLines * 4 * kElements + 3},
    {"Node_Stress.txt", 1 + kNodes},
    {"Element_Stress.txt", 6 * kElements},
    {"Node_Stress_Tecplot.dat", 3 + kNodes + kElements},
    {"Equivalent_Node_Stress_Tecplot.dat", 3 + kNodes + kElements},
    {"Animate_Equivalent_Node_Stress_Tecplot.dat", 2 + 31 * (1 + kNodes + kElements)},
    {"Node_Stress_ZelContour.txt", 2 + kNodes + kElements},
    {"Node_Reaction.txt", 1 + kRows + 1 + 1}};

const std::string kPromptEnd = "退出，请按’Esc退出’键\n";

std::string Real(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", value);
  return text;
}

// A plate of kCols x kRows slightly distorted quadrilaterals numbered across
// its height, clamped on the left and sheared on the right: large enough that
// every result file spans more than one buffer.
std::string PlateModel() {
  auto node = [](int c, int r) { return c * (kRows + 1) + r; };
  std::string text = "E=210000\nMu=0.3\nThick=2\nNPOIN=" + std::to_string(kNodes) + "\n";
  for (int c = 0; c <= kCols; ++c) {
    for (int r = 0; r <= kRows; ++r) {
      const bool inside = c > 0 && c < kCols && r > 0 && r < kRows;
      const double x = 20.0 * c + (inside ? 1.7 * ((c * 7 + r * 3) % 5 - 2) : 0.0);
      const double y = 20.0 * r + (inside ? 1.3 * ((c * 3 + r * 5) % 5 - 2) : 0.0);
      text += Real(x) + "," + Real(y) + "\n";
    }
  }
  text += "NELEM=" + std::to_string(kElements) + "\n";
  for (int c = 0; c < kCols; ++c) {
    for (int r = 0; r < kRows; ++r) {
      text += std::to_string(node(c, r)) + "," + std::to_string(node(c + 1, r)) + "," +
              std::to_string(node(c + 1, r + 1)) + "," + std::to_string(node(c, r + 1)) + "\n";
    }
  }
  text += "NRN=" + std::to_string(kRows + 1) + "\n";
  for (int r = 0; r <= kRows; ++r) text += std::to_string(node(0, r)) + ":1 1\n";
  text += "NFOR=1\n" + std::to_string(node(kCols, kRows)) + "<3,-250>\nNPRS=" + std::to_string(kRows) + "\n";
  for (int r = 0; r < kRows; ++r) {
    text += std::to_string(node(kCols, r)) + "(0,-2)," + std::to_string(node(kCols, r + 1)) + "(0,-2.5)\n";
  }
  return text;
}

// The files of one complete run of the plate, by name.
class ResultFilesOnExit : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ScratchFolder dir;
    WriteFile(dir.path() / "fem.txt", PlateModel());
    const testing::ProcessResult run = RunSolvane(dir.path());
    ASSERT_EQ(run.status, 0) << run.console;
    for (const ResultFileShape& file : kResultFilesInOrder) {
      complete_[file.name] = ReadFile(dir.path() / file.name);
    }
  }

  static const std::string& Complete(const std::string& name) { return complete_.at(name); }

  // A scratch directory holding the plate, with a directory standing in the
  // place of `blocked` so that the run cannot open that file.
  static void PrepareBlockedRun(const ScratchFolder& dir, const std::string& blocked) {
    WriteFile(dir.path() / "fem.txt", PlateModel());
    fs::create_directory(dir.path() / blocked);
  }

  // Every file before `blocked` is there and complete, none after it.
  static void ExpectCompleteUpTo(const ScratchFolder& dir, const std::string& blocked) {
    std::set<std::string> expected = {"fem.txt", blocked};
    for (const ResultFileShape& file : kResultFilesInOrder) {
      if (file.name == blocked) break;
      expected.insert(file.name);
      EXPECT_TRUE(ReadFile(dir.path() / file.name) == Complete(file.name))
          << file.name << " before " << blocked;
    }
    EXPECT_EQ(FilesIn(dir.path()), expected) << blocked;
  }

 private:
  static inline std::map<std::string, std::string> complete_;
};

TEST_F(ResultFilesOnExit, ACompleteRunEndsEveryFileWithItsLastLine) {
  for (const ResultFileShape& file : kResultFilesInOrder) {
    const std::string& text = Complete(file.name);
    // The reactions of the clamped edge are the one short file.
    if (file.name != "Node_Reaction.txt") {
      EXPECT_GT(text.size(), kResultFileBufferBytes) << file.name;
    }
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), file.lines) << file.name;
    EXPECT_EQ(text.back(), '\n') << file.name;
  }
}

TEST_F(ResultFilesOnExit, EarlierFilesAreCompleteWhenALaterFileCannotBeOpened) {
  // With no input the table writers' wait for Enter and the drawings' retry
  // prompt both end at once, the prompt as if Esc were pressed.
  for (const ResultFileShape& blocked : kResultFilesInOrder) {
    ScratchFolder dir;
    PrepareBlockedRun(dir, blocked.name);
    const testing::ProcessResult run = RunSolvane(dir.path());
    EXPECT_EQ(run.status, 1) << blocked.name;
    ExpectCompleteUpTo(dir, blocked.name);
  }
}

TEST_F(ResultFilesOnExit, EarlierFilesAreCompleteWhileTheDrawingPromptWaitsAndAfterEscape) {
  ScratchFolder dir;
  PrepareBlockedRun(dir, "deformation.dxf");
  testing::ChildRun run(SOLVANE_PATH, dir.path(), testing::ChildRun::Console::kPipes);
  ASSERT_TRUE(run.WaitForOutput(kPromptEnd));
  ExpectCompleteUpTo(dir, "deformation.dxf");
  run.Send("\x1b");
  EXPECT_EQ(run.ExitStatus(), 1);
  ExpectCompleteUpTo(dir, "deformation.dxf");
}

}  // namespace
}  // namespace solvane

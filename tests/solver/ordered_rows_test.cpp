// The rows of a result file are formatted in blocks, shared with a helper
// thread when there are two cores: the file must hold every row once, in its
// order, whatever the number of blocks and whichever thread formats them,
// and a failure while formatting must reach the caller on either thread.

#include "fast/ordered_rows.h"

#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <new>
#include <set>
#include <string>
#include <thread>

#include "solvane_process.h"

namespace solvane {
namespace {

using testing::ReadFile;
using testing::ScratchDirectory;

// Rows of different lengths; every seventh has two lines.
void AppendTestRow(std::string& text, int row) {
  text += "row " + std::to_string(row) + std::string(row % 5, '.') + '\n';
  if (row % 7 == 0) text += "  second line\n";
}

std::string ExpectedFile(int count) {
  std::string text = "before\n";
  for (int row = 0; row < count; ++row) AppendTestRow(text, row);
  return text + "after\n";
}

std::string WrittenFile(const ScratchDirectory& dir, int count, const FormatRow& formatRow) {
  const auto path = dir.path() / "rows.txt";
  {
    ResultFile file;
    EXPECT_TRUE(file.Open(path.c_str()));
    file.WriteLine("before");
    WriteOrderedRows(file, count, formatRow);
    file.WriteLine("after");
  }
  return ReadFile(path);
}

TEST(OrderedRows, EveryRowOnceInOrderForAnyNumberOfBlocks) {
  ScratchDirectory dir("ordered_rows");
  for (int count : {0, 1, kRowsPerBlock - 1, kRowsPerBlock, kRowsPerBlock + 1, 2 * kRowsPerBlock,
                    5 * kRowsPerBlock + 3, 60 * kRowsPerBlock + 17}) {
    EXPECT_TRUE(WrittenFile(dir, count, AppendTestRow) == ExpectedFile(count)) << count;
  }
}

TEST(OrderedRows, BlocksLargerThanTheFileBufferKeepTheirPlace) {
  ScratchDirectory dir("ordered_rows_large");
  const std::string wide(kResultFileBufferBytes / kRowsPerBlock + 1, 'w');
  auto wideRow = [&](std::string& text, int row) { text += std::to_string(row) + wide + '\n'; };
  const int count = 4 * kRowsPerBlock + 1;
  std::string expected = "before\n";
  for (int row = 0; row < count; ++row) wideRow(expected, row);
  EXPECT_TRUE(WrittenFile(dir, count, wideRow) == expected + "after\n");
}

TEST(OrderedRows, TwoCoresShareTheRowsOfALargeFile) {
  if (std::thread::hardware_concurrency() < 2) {
    GTEST_SKIP() << "one core: the calling thread formats every row";
  }
  ScratchDirectory dir("ordered_rows_threads");
  std::mutex mutex;
  std::set<std::thread::id> formatters;
  // Blocks go to whichever thread asks first; a slow first row in every block
  // gives the helper time to start and ask.
  auto recordingRow = [&](std::string& text, int row) {
    {
      std::lock_guard lock(mutex);
      formatters.insert(std::this_thread::get_id());
    }
    if (row % kRowsPerBlock == 0) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    AppendTestRow(text, row);
  };
  const int count = 8 * kRowsPerBlock;
  EXPECT_TRUE(WrittenFile(dir, count, recordingRow) == ExpectedFile(count));
  EXPECT_EQ(formatters.size(), 2u);
  EXPECT_EQ(formatters.count(std::this_thread::get_id()), 1u);
}

TEST(OrderedRows, AFailureInAnyBlockReachesTheCaller) {
  ScratchDirectory dir("ordered_rows_failure");
  // Whichever thread formats the failing block, early or late in the file.
  for (int failingRow : {5, kRowsPerBlock + 5, 2 * kRowsPerBlock + 5, 6 * kRowsPerBlock - 1}) {
    auto failingAt = [failingRow](std::string& text, int row) {
      if (row == failingRow) throw std::bad_alloc();
      AppendTestRow(text, row);
    };
    EXPECT_THROW(WrittenFile(dir, 6 * kRowsPerBlock, failingAt), std::bad_alloc) << failingRow;
  }
}

}  // namespace
}  // namespace solvane

// A result file gathers its text in a buffer: text of a buffer's size or more
// is written past the buffer and must still land between what was written
// before and after it. A file whose writing failed, or that its writer never
// closed, must not look complete.

#include "output/result_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "solvane_process.h"

namespace solvane {
namespace {

const std::string kLarge(kResultFileBufferBytes, 'x');

// Numbered lines filling the buffer several times over, so that full buffers
// go to the file's writer thread while the next ones are gathered.
std::string ManyLines(ResultFile& file) {
  std::string written;
  for (int n = 0; n < 200000; ++n) {
    const std::string line = "line " + std::to_string(n);
    file.WriteLine(line);
    written += line + '\n';
  }
  return written;
}

TEST(ResultFile, LargeTextStaysBetweenTheLinesAroundIt) {
  testing::ScratchFolder dir;
  const auto path = dir.path() / "text.txt";
  ResultFile file;
  ASSERT_TRUE(file.Open(path.c_str()));
  file.WriteLine("first");
  file.WriteText(kLarge + '\n');
  file.WriteText("middle\n");
  file.WriteText(kLarge + '\n');
  file.WriteLine("last");
  ASSERT_TRUE(file.Close());
  EXPECT_TRUE(testing::ReadFile(path) == "first\n" + kLarge + "\nmiddle\n" + kLarge + "\nlast\n");
}

TEST(ResultFile, LinesHandedToTheWriterThreadStayInOrderAroundLargeText) {
  testing::ScratchFolder dir;
  const auto path = dir.path() / "text.txt";
  ResultFile file;
  ASSERT_TRUE(file.Open(path.c_str()));
  std::string expected = ManyLines(file);
  file.WriteText(kLarge + '\n');
  expected += kLarge + '\n';
  expected += ManyLines(file);
  ASSERT_TRUE(file.Close());
  EXPECT_TRUE(testing::ReadFile(path) == expected);
}

TEST(ResultFile, FailedWriteOnTheWriterThreadStopsLargeTextToo) {
  ResultFile file;
  ASSERT_TRUE(file.Open("/dev/full"));
  ManyLines(file);
  file.WriteText(kLarge + '\n');
  ManyLines(file);
  EXPECT_FALSE(file.Close());
  EXPECT_EQ(file.Failure(), std::string("结果文件/dev/full写入失败: ") + std::strerror(ENOSPC));
}

TEST(ResultFile, FailedWriteIsReportedWithTheFileAndTheSystemsReason) {
  ResultFile file;
  ASSERT_TRUE(file.Open("/dev/full"));
  file.WriteLine("a line that the device has no room for");
  EXPECT_FALSE(file.Close());
  EXPECT_EQ(file.Failure(), std::string("结果文件/dev/full写入失败: ") + std::strerror(ENOSPC));
}

TEST(ResultFile, FileThatItsWriterDidNotCloseIsLeftEmpty) {
  testing::ScratchFolder dir;
  const auto path = dir.path() / "text.txt";
  {
    ResultFile file;
    ASSERT_TRUE(file.Open(path.c_str()));
    file.WriteText(kLarge + '\n');  // on disk already
    file.WriteLine("the writer stops here");
  }
  EXPECT_EQ(testing::ReadFile(path), "");
}

TEST(ResultFile, FileLeftWhileItsWriterThreadWritesIsLeftEmpty) {
  testing::ScratchFolder dir;
  const auto path = dir.path() / "text.txt";
  {
    ResultFile file;
    ASSERT_TRUE(file.Open(path.c_str()));
    ManyLines(file);
  }
  EXPECT_EQ(testing::ReadFile(path), "");
}

}  // namespace
}  // namespace solvane

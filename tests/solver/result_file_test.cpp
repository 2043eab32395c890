// Text of a buffer's size or more is written past the buffer: it must still
// land between what was written before and after it.

#include "output/result_file.h"

#include <gtest/gtest.h>

#include <string>

#include "solvane_process.h"

namespace solvane {
namespace {

TEST(ResultFile, LargeTextStaysBetweenTheLinesAroundIt) {
  testing::ScratchFolder dir;
  const auto path = dir.path() / "text.txt";
  const std::string large(kResultFileBufferBytes, 'x');
  {
    ResultFile file;
    ASSERT_TRUE(file.Open(path.c_str()));
    file.WriteLine("first");
    file.WriteText(large + '\n');
    file.WriteText("middle\n");
    file.WriteText(large + '\n');
    file.WriteLine("last");
  }
  EXPECT_TRUE(testing::ReadFile(path) == "first\n" + large + "\nmiddle\n" + large + "\nlast\n");
}

}  // namespace
}  // namespace solvane

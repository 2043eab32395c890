#include "output/contour_viewer_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "output_test_models.h"

namespace solvane {
namespace {

using namespace testing;  // the output test models and scratch files

TEST(ContourViewerFile, OneElementMatchesTheReferenceFile) {
  ScratchFolder dir;
  AnalysisData data = OneElementModel(0.5, 2, 1, 1);
  StretchUniformly(data, 0.1, 0);  // SX = 100 everywhere with E = 1000, Mu = 0
  ASSERT_TRUE(WriteNodeStressZelContour(data, NodalStressesOf(data), PathIn(dir, "c.txt").c_str()));
  EXPECT_EQ(ReadFile(PathIn(dir, "c.txt")),
            ReadFile(PLATEFEM_TEST_DATA_DIR "/stretched_element/Node_Stress_ZelContour.txt"));
}

TEST(ContourViewerFile, CountsNodesFromZeroAsTheModelFileDoes) {
  ScratchFolder dir;
  const AnalysisData data = GridModel(2, 1, 20, 10);
  ASSERT_TRUE(WriteNodeStressZelContour(data, NodalStressesOf(data), PathIn(dir, "c.txt").c_str()));
  const std::vector<std::string> lines = ReadLines(PathIn(dir, "c.txt"));
  ASSERT_EQ(lines.size(), 2u + 6 + 2);
  EXPECT_EQ(lines[0], "NPOIN=6");
  EXPECT_EQ(lines[1], "NELEM=2");
  EXPECT_EQ(lines[3], "10,0,0,0,0,0");
  EXPECT_EQ(lines[8], "0,1,4,3");
  EXPECT_EQ(lines[9], "1,2,5,4");
}

TEST(ContourViewerFile, FileThatCannotBeOpenedEndsTheRun) {
  ScratchFolder dir;
  const std::string blocked = PathIn(dir, "Node_Stress_ZelContour.txt");
  std::filesystem::create_directory(blocked);
  bool written = true;
  EXPECT_EQ(ConsoleOutputWithoutInput([&] {
              const AnalysisData data = GridModel(1, 1, 1, 1);
              written = WriteNodeStressZelContour(data, NodalStressesOf(data), blocked.c_str());
            }),
            "节点应力文件(ZelPlotStressContour)输出失败!\n");
  EXPECT_FALSE(written);
}

}  // namespace
}  // namespace solvane

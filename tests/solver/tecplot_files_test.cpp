#include "output/tecplot_files.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "output_test_models.h"

namespace solvane {
namespace {

using namespace testing;  // the output test models and scratch files

constexpr int kFrames = 31;

// One element over [0.5, 1.5] x [2, 3] stretched along x so that every node
// carries SX = 100, SY = 0, TXY = 0 (E = 1000, Mu = 0).
AnalysisData StretchedElement() {
  AnalysisData data = OneElementModel(0.5, 2, 1, 1);
  StretchUniformly(data, 0.1, 0);
  return data;
}

// A 100 x 40 plate of 2 x 1 elements whose top right node (5) moves down by
// 0.5, the largest component: drawn at scale 20.
AnalysisData PlateWithOneMovingCorner() {
  AnalysisData data = GridModel(2, 1, 100, 40);
  data.displacement[11] = -0.5;
  data.displacement[10] = 0.25;
  return data;
}

std::vector<double> CommaSeparatedNumbers(const std::string& row) {
  std::vector<double> values;
  const char* at = row.c_str();
  for (char* end = nullptr;; at = end + 1) {
    values.push_back(std::strtod(at, &end));
    if (*end != ',') break;
  }
  return values;
}

// The lines of frame f: its zone line, the node rows, the connectivity rows.
std::vector<std::string> Frame(const std::vector<std::string>& lines, const AnalysisData& data,
                               int f) {
  const size_t perFrame = 1 + data.NPOIN + data.NELEM;
  const auto first = lines.begin() + 2 + f * perFrame;
  return {first, first + perFrame};
}

TEST(NodeStressTecplot, OneElementMatchesTheReferenceFile) {
  ScratchFolder dir;
  const AnalysisData data = StretchedElement();
  ASSERT_TRUE(WriteNodeStressTecplot(data, NodalStressesOf(data), PathIn(dir, "n.dat").c_str()));
  EXPECT_EQ(ReadFile(PathIn(dir, "n.dat")),
            ReadFile(PLATEFEM_TEST_DATA_DIR "/stretched_element/Node_Stress_Tecplot.dat"));
}

TEST(EquivalentNodeStressTecplot, OneElementMatchesTheReferenceFile) {
  ScratchFolder dir;
  const AnalysisData data = StretchedElement();
  ASSERT_TRUE(WriteEquivalentNodeStressTecplot(data, NodalStressesOf(data), PathIn(dir, "e.dat").c_str()));
  EXPECT_EQ(ReadFile(PathIn(dir, "e.dat")),
            ReadFile(PLATEFEM_TEST_DATA_DIR "/stretched_element/Equivalent_Node_Stress_Tecplot.dat"));
}

TEST(TecplotFiles, CountNodesFromOneInConnectivityRows) {
  ScratchFolder dir;
  const AnalysisData data = GridModel(2, 1, 20, 10);  // element 1 has nodes 1, 2, 5, 4
  ASSERT_TRUE(WriteNodeStressTecplot(data, NodalStressesOf(data), PathIn(dir, "n.dat").c_str()));
  ASSERT_TRUE(WriteEquivalentNodeStressTecplot(data, NodalStressesOf(data), PathIn(dir, "e.dat").c_str()));
  ASSERT_TRUE(WriteAnimateEquivalentNodeStressTecplot(data, NodalStressesOf(data),
                                                      PathIn(dir, "a.dat").c_str()));
  for (const char* name : {"n.dat", "e.dat"}) {
    const std::vector<std::string> lines = ReadLines(PathIn(dir, name));
    ASSERT_EQ(lines.size(), 3u + 6 + 2) << name;
    EXPECT_EQ(lines[2], "ZONE T=\"P_1\", DATAPACKING=POINT, NODES=6, ELEMENTS=2, "
                        "ZONETYPE=FEQUADRILATERAL");
    EXPECT_EQ(lines[9], "1,2,5,4") << name;
    EXPECT_EQ(lines[10], "2,3,6,5") << name;
  }
  const std::vector<std::string> lastFrame = Frame(ReadLines(PathIn(dir, "a.dat")), data, 30);
  EXPECT_EQ(lastFrame[7], "1,2,5,4");
  EXPECT_EQ(lastFrame[8], "2,3,6,5");
}

TEST(AnimateTecplot, HoldsThirtyOneFramesTitledFromFrame0ToFrame30) {
  ScratchFolder dir;
  const AnalysisData data = PlateWithOneMovingCorner();
  ASSERT_TRUE(WriteAnimateEquivalentNodeStressTecplot(data, NodalStressesOf(data),
                                                      PathIn(dir, "a.dat").c_str()));
  const std::vector<std::string> lines = ReadLines(PathIn(dir, "a.dat"));
  ASSERT_EQ(lines.size(), 2u + kFrames * (1 + 6 + 2));
  EXPECT_EQ(lines[0], "TITLE = \"Stress_Animate\"");
  EXPECT_EQ(lines[1], "VARIABLES = \"X\", \"Y\", \" Se\"");
  for (int f = 0; f < kFrames; ++f) {
    EXPECT_EQ(Frame(lines, data, f)[0],
              "ZONE T=\"Frame_" + std::to_string(f) +
                  "\", DATAPACKING=POINT, NODES=6, ELEMENTS=2, ZONETYPE=FEQUADRILATERAL");
  }
}

TEST(AnimateTecplot, MovesTheMeshAndGrowsTheStressLinearlyUpToTheDeformationDrawing) {
  ScratchFolder dir;
  const AnalysisData data = PlateWithOneMovingCorner();
  ASSERT_TRUE(WriteAnimateEquivalentNodeStressTecplot(data, NodalStressesOf(data),
                                                      PathIn(dir, "a.dat").c_str()));
  ASSERT_TRUE(WriteEquivalentNodeStressTecplot(data, NodalStressesOf(data), PathIn(dir, "e.dat").c_str()));
  const std::vector<std::string> lines = ReadLines(PathIn(dir, "a.dat"));
  const std::vector<std::string> full = ReadLines(PathIn(dir, "e.dat"));
  const std::vector<std::string> start = Frame(lines, data, 0);
  const std::vector<std::string> half = Frame(lines, data, 15);
  const std::vector<std::string> end = Frame(lines, data, 30);
  EXPECT_EQ(start[6], "100,40,0");
  EXPECT_EQ(CommaSeparatedNumbers(half[6])[0], 102.5);
  EXPECT_EQ(CommaSeparatedNumbers(half[6])[1], 35);
  EXPECT_EQ(CommaSeparatedNumbers(end[6])[0], 105);
  EXPECT_EQ(CommaSeparatedNumbers(end[6])[1], 30);
  EXPECT_GT(CommaSeparatedNumbers(full[3 + 5])[2], 0);
  for (int n = 0; n < data.NPOIN; ++n) {
    const double se = CommaSeparatedNumbers(full[3 + n])[2];
    EXPECT_NEAR(CommaSeparatedNumbers(half[1 + n])[2], 0.5 * se, 1e-5 * se) << "node " << n;
    EXPECT_EQ(CommaSeparatedNumbers(end[1 + n])[2], se) << "node " << n;
  }
}

TEST(AnimateTecplot, WithoutDisplacementsEveryFrameShowsTheUndeformedMesh) {
  ScratchFolder dir;
  const AnalysisData data = GridModel(2, 1, 20, 10);
  ASSERT_TRUE(WriteAnimateEquivalentNodeStressTecplot(data, NodalStressesOf(data),
                                                      PathIn(dir, "a.dat").c_str()));
  const std::vector<std::string> lines = ReadLines(PathIn(dir, "a.dat"));
  const std::vector<std::string> first = Frame(lines, data, 0);
  for (int f = 1; f < kFrames; ++f) {
    const std::vector<std::string> frame = Frame(lines, data, f);
    EXPECT_EQ(std::vector(frame.begin() + 1, frame.end()), std::vector(first.begin() + 1, first.end()))
        << "frame " << f;
  }
  EXPECT_EQ(first[2], "10,0,0");
}

TEST(TecplotFiles, FileThatCannotBeOpenedEndsTheRun) {
  ScratchFolder dir;
  const std::string blocked = PathIn(dir, "blocked.dat");
  std::filesystem::create_directory(blocked);
  const AnalysisData data = StretchedElement();
  using Writer = bool (*)(const AnalysisData&, const std::vector<StressTriple>&, const char*);
  for (Writer writer : {Writer{WriteNodeStressTecplot}, Writer{WriteEquivalentNodeStressTecplot},
                        Writer{WriteAnimateEquivalentNodeStressTecplot}}) {
    bool written = true;
    const std::vector<StressTriple> nodal = NodalStressesOf(data);
    EXPECT_EQ(ConsoleOutputWithoutInput([&] { written = writer(data, nodal, blocked.c_str()); }),
              "节点应力文件输出失败!\n");
    EXPECT_FALSE(written);
  }
}

}  // namespace
}  // namespace solvane

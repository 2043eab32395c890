#include "output/result_tables.h"

#include <gtest/gtest.h>

#include <cmath>

#include "output/number_text.h"
#include "solvane_process.h"
#include "test_models.h"

namespace solvane {
namespace {

using testing::MeshModel;
using testing::NodalStressesOf;
using testing::ReadFile;
using testing::ScratchFolder;

TEST(NumberText, RealsHaveSixSignificantDigitsInTheShorterForm) {
  EXPECT_EQ(FormatReal(1234.5678), "1234.57");
  EXPECT_EQ(FormatReal(0.1234567), "0.123457");
  EXPECT_EQ(FormatReal(0.0), "0");
  EXPECT_EQ(FormatReal(-0.0), "-0");
  EXPECT_EQ(FormatReal(12.5), "12.5");
  EXPECT_EQ(FormatReal(1e-20), "1e-20");
  EXPECT_EQ(FormatReal(-3.4e-05), "-3.4e-05");
  EXPECT_EQ(FormatReal(0.0001), "0.0001");
  EXPECT_EQ(FormatReal(999999.4), "999999");
  EXPECT_EQ(FormatReal(1234567.0), "1.23457e+06");
  EXPECT_EQ(FormatReal(1.5e-7), "1.5e-07");
  EXPECT_EQ(FormatReal(-1.23456789e+123), "-1.23457e+123");
}

TEST(ResultTables, NodeDisHasHeaderAndOneAlignedRowPerNode) {
  // The widest texts a real can have still leave every field aligned.
  ScratchFolder dir;
  AnalysisData data = MeshModel({{0, 0}, {1, 0}, {1, 1}, {0, 1}, {2, 0}, {2, 1}}, {0, 1, 2, 3});
  data.displacement = {0.0,  -0.00123457, 1234.5678,        1e-20,
                       -3.4e-05, 1234567.0, -0.0,            0.1234567,
                       -1.23456789e+123, -2.2250738585072014e-308, std::nan(""), -INFINITY};
  ASSERT_TRUE(WriteNodeDis(data, (dir.path() / "Node_Dis.txt").c_str()));
  EXPECT_EQ(ReadFile(dir.path() / "Node_Dis.txt"),
            "           Node             dx             dy\n"
            "             0:              0    -0.00123457\n"
            "             1:        1234.57          1e-20\n"
            "             2:       -3.4e-05    1.23457e+06\n"
            "             3:             -0       0.123457\n"
            "             4:  -1.23457e+123  -2.22507e-308\n"
            "             5:            nan           -inf\n");
}

// Unit square stretched by u = x / 1000 with E = 910, Mu = 0.3: SX = 1,
// SY = 0.3 and no shear at every corner.
AnalysisData StretchedSquare() {
  AnalysisData data = MeshModel({{0, 0}, {1, 0}, {1, 1}, {0, 1}, {5, 5}}, {0, 1, 2, 3}, 910.0);
  data.displacement = {0.0, 0.0, 0.001, 0.0, 0.001, 0.0, 0.0, 0.0, 0.0, 0.0};
  return data;
}

TEST(ResultTables, NodeStressListsAveragedStressesWithEquivalentStress) {
  ScratchFolder dir;
  const AnalysisData data = StretchedSquare();
  ASSERT_TRUE(WriteNodeStress(data, NodalStressesOf(data), (dir / "Node_Stress.txt").c_str()));
  // SE = sqrt(1 - 0.3 + 0.09) = 0.888819...; node 4 belongs to no element.
  EXPECT_EQ(ReadFile(dir.path() / "Node_Stress.txt"),
            "           Node             SX             SY            TXY             SE\n"
            "             0:              1            0.3              0       0.888819\n"
            "             1:              1            0.3              0       0.888819\n"
            "             2:              1            0.3              0       0.888819\n"
            "             3:              1            0.3              0       0.888819\n"
            "             4:              0              0              0              0\n");
}

TEST(ResultTables, ElementStressHasOneBlockPerElementWithGlobalNodeNumbers) {
  ScratchFolder dir;
  AnalysisData data = StretchedSquare();
  data.connectivity = {3, 0, 1, 2};  // same square, corners starting at node 3
  ASSERT_TRUE(WriteElementStress(data, AllCornerStresses(data), (dir / "Element_Stress.txt").c_str()));
  const std::string header = "                            SX             SY            TXY\n";
  EXPECT_EQ(ReadFile(dir.path() / "Element_Stress.txt"),
            "Element 0\n" + header +
                "             3:              1            0.3              0\n"
                "             0:              1            0.3              0\n"
                "             1:              1            0.3              0\n"
                "             2:              1            0.3              0\n");
  const AnalysisData empty = MeshModel({{0, 0}}, {});
  ASSERT_TRUE(WriteElementStress(empty, AllCornerStresses(empty), (dir / "Element_Stress.txt").c_str()));
  EXPECT_EQ(ReadFile(dir.path() / "Element_Stress.txt"), "");
}

TEST(ResultTables, NodeReactionListsTheFixedNodesThenTheirSums) {
  ScratchFolder dir;
  const std::vector<NodeReaction> reactions = {
      {0, 105.0, 100.0}, {3, -95.0, 0.0}, {12, -1.23456789e+123, 2.5e-5}};
  ASSERT_TRUE(WriteNodeReaction(reactions, (dir / "Node_Reaction.txt").c_str()));
  EXPECT_EQ(ReadFile(dir.path() / "Node_Reaction.txt"),
            "           Node             RX             RY\n"
            "             0:            105            100\n"
            "             3:            -95              0\n"
            "            12:  -1.23457e+123        2.5e-05\n"
            "            Sum: -1.23457e+123            100\n");
}

}  // namespace
}  // namespace solvane

#include "output/dxf_drawings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "output/bounding_box.h"
#include "output/deformation_scale.h"
#include "output_test_models.h"

namespace solvane {
namespace {

using namespace testing;  // the output test models and scratch files

// Entity types of a drawing: the values that follow a "  0" group code.
std::vector<std::string> EntityTypes(const std::vector<std::string>& lines) {
  std::vector<std::string> types;
  for (size_t i = 0; i + 1 < lines.size(); i += 2) {
    if (lines[i] == "  0") types.push_back(lines[i + 1]);
  }
  return types;
}

int CountOf(const std::vector<std::string>& types, const std::string& type) {
  return static_cast<int>(std::count(types.begin(), types.end(), type));
}

// Each LINE entity of a drawing as one text: its 16 lines from "LINE" on.
std::vector<std::string> LineEntities(const std::vector<std::string>& lines) {
  std::vector<std::string> entities;
  for (size_t i = 0; i + 15 < lines.size(); ++i) {
    if (lines[i] != "LINE") continue;
    std::string entity;
    for (size_t k = i; k < i + 16; ++k) entity += lines[k] + "\n";
    entities.push_back(entity);
  }
  return entities;
}

// The value lines of one TEXT entity (the 16 lines from "TEXT" on) whose text is `number`
// on `layer`.
std::vector<std::string> TextEntity(const std::vector<std::string>& lines,
                                    const std::string& layer, const std::string& number) {
  for (size_t i = 0; i + 15 < lines.size(); ++i) {
    if (lines[i] == "TEXT" && lines[i + 2] == layer && lines[i + 12] == number) {
      return {lines.begin() + i, lines.begin() + i + 16};
    }
  }
  return {};
}

TEST(BoundingBox, WidensFromTheFirstPoint) {
  const NodeCoord points[] = {{3, -1}, {-2, 4}, {5, 0}, {100, 100}};
  const Bounds box = BoundingBox(points, 3);
  EXPECT_EQ(box.xmin, -2);
  EXPECT_EQ(box.xmax, 5);
  EXPECT_EQ(box.ymin, -1);
  EXPECT_EQ(box.ymax, 4);
  const Bounds single = BoundingBox(points, 1);
  EXPECT_EQ(single.xmin, 3);
  EXPECT_EQ(single.xmax, 3);
}

TEST(DeformationScale, DrawsTheLargestComponentAsATenthOfTheLargerExtent) {
  AnalysisData data = GridModel(5, 2, 100, 40);
  data.displacement[7] = -0.5;
  data.displacement[8] = 0.3;
  EXPECT_DOUBLE_EQ(DeformationScale(data), 20);
}

TEST(DeformationScale, IsZeroWhenNothingMovesOrThereAreNoNodes) {
  EXPECT_EQ(DeformationScale(GridModel(2, 2, 10, 10)), 0);
  EXPECT_EQ(DeformationScale(AnalysisData{}), 0);
}

TEST(StructureDxf, SquareElementMatchesTheReferenceDrawing) {
  ScratchFolder dir;
  ASSERT_TRUE(WriteStructureDxf(OneElementModel(0, 0, 10, 10), PathIn(dir, "structure.dxf").c_str()));
  EXPECT_EQ(ReadFile(PathIn(dir, "structure.dxf")),
            ReadFile(PLATEFEM_TEST_DATA_DIR "/square_element/structure.dxf"));
}

TEST(StructureDxf, LabelHeightFollowsTheSmallerSideOfTheElement) {
  ScratchFolder dir;
  ASSERT_TRUE(WriteStructureDxf(OneElementModel(0, 0, 10, 4), PathIn(dir, "structure.dxf").c_str()));
  const std::vector<std::string> lines = ReadLines(PathIn(dir, "structure.dxf"));
  const std::vector<std::string> element = TextEntity(lines, "1", "0");
  ASSERT_EQ(element.size(), 16u);
  EXPECT_EQ(element[4], "4.6");  // centre 5 minus half the height
  EXPECT_EQ(element[6], "1.6");
  EXPECT_EQ(element[10], "0.8");
  const std::vector<std::string> node = TextEntity(lines, "2", "2");
  ASSERT_EQ(node.size(), 16u);
  EXPECT_EQ(node[4], "10.16");
  EXPECT_EQ(node[6], "4.16");
  EXPECT_EQ(node[10], "0.8");
}

TEST(StructureDxf, DrawsFourEdgesPerElementAndNumbersEveryElementAndNode) {
  ScratchFolder dir;
  const AnalysisData data = GridModel(3, 2, 30, 20);
  ASSERT_TRUE(WriteStructureDxf(data, PathIn(dir, "structure.dxf").c_str()));
  const std::vector<std::string> types = EntityTypes(ReadLines(PathIn(dir, "structure.dxf")));
  EXPECT_EQ(CountOf(types, "LINE"), 4 * data.NELEM);
  EXPECT_EQ(CountOf(types, "TEXT"), data.NELEM + data.NPOIN);
  EXPECT_EQ(types.front(), "SECTION");
  EXPECT_EQ(types.back(), "EOF");
}

TEST(StructureDxf, NodesWithoutElementsGetAHeightFromTheModelExtent) {
  ScratchFolder dir;
  AnalysisData data = GridModel(1, 1, 100, 40);
  data.NELEM = 0;
  data.connectivity.clear();
  ASSERT_TRUE(WriteStructureDxf(data, PathIn(dir, "structure.dxf").c_str()));
  const std::vector<std::string> node = TextEntity(ReadLines(PathIn(dir, "structure.dxf")), "2", "0");
  ASSERT_EQ(node.size(), 16u);
  EXPECT_EQ(node[10], "2");
  EXPECT_EQ(node[4], "0.4");
}

TEST(StructureDxf, EmptyModelGivesAnEmptySection) {
  ScratchFolder dir;
  ASSERT_TRUE(WriteStructureDxf(AnalysisData{}, PathIn(dir, "structure.dxf").c_str()));
  EXPECT_EQ(ReadFile(PathIn(dir, "structure.dxf")),
            "  0\nSECTION\n  2\nENTITIES\n  0\nENDSEC\n  0\nEOF\n");
}

TEST(DeformationDxf, SquareElementMatchesTheReferenceDrawing) {
  ScratchFolder dir;
  AnalysisData data = OneElementModel(0, 0, 10, 10);
  data.displacement[4] = 0.5;  // node 2: drawn with scale 1, as the largest component is 1
  data.displacement[5] = -1;
  ASSERT_TRUE(WriteDeformationDxf(data, PathIn(dir, "deformation.dxf").c_str()));
  EXPECT_EQ(ReadFile(PathIn(dir, "deformation.dxf")),
            ReadFile(PLATEFEM_TEST_DATA_DIR "/square_element/deformation.dxf"));
}

TEST(DeformationDxf, MagnifiesTheLargestComponentToATenthOfTheModel) {
  ScratchFolder dir;
  AnalysisData data = OneElementModel(0, 0, 100, 40);
  data.displacement[5] = -0.5;  // node 2 at (100, 40) moves down by 0.5, drawn as 10
  ASSERT_TRUE(WriteDeformationDxf(data, PathIn(dir, "deformation.dxf").c_str()));
  const std::vector<std::string> lines = ReadLines(PathIn(dir, "deformation.dxf"));
  // Second edge, node 1 to node 2: its end point.
  const size_t secondEdge = 5 + 16;
  ASSERT_EQ(lines[secondEdge], "LINE");
  EXPECT_EQ(lines[secondEdge + 10], "100");
  EXPECT_EQ(lines[secondEdge + 12], "30");
  const std::vector<std::string> types = EntityTypes(lines);
  EXPECT_EQ(CountOf(types, "LINE"), 4);
  EXPECT_EQ(CountOf(types, "TEXT"), 0);
}

TEST(DeformationDxf, WithoutDisplacementsDrawsTheUndeformedMesh) {
  ScratchFolder dir;
  const AnalysisData data = GridModel(2, 1, 20, 10);
  ASSERT_TRUE(WriteDeformationDxf(data, PathIn(dir, "deformation.dxf").c_str()));
  ASSERT_TRUE(WriteStructureDxf(data, PathIn(dir, "structure.dxf").c_str()));
  const std::vector<std::string> edges = LineEntities(ReadLines(PathIn(dir, "deformation.dxf")));
  EXPECT_EQ(edges.size(), 8u);
  EXPECT_EQ(edges, LineEntities(ReadLines(PathIn(dir, "structure.dxf"))));
}

}  // namespace
}  // namespace solvane

#include <gtest/gtest.h>

#include <vector>

#include "model_file_reader.h"
#include "model_file_writer.h"
#include "model_harness.h"

namespace kestrix {
namespace {

std::vector<ModelPosition> NodePositions(const Model& model) {
  std::vector<ModelPosition> positions;
  for (const ModelPoint& node : model.nodeArray()) positions.push_back(node.position());
  return positions;
}

// Twice the signed area of an element from its node coordinates.
double DoubleSignedArea(const Model& model, const Element& element) {
  double sum = 0.0;
  for (int k = 0; k < 4; ++k) {
    const ModelPoint& p = model.nodeArray()[element[k]];
    const ModelPoint& q = model.nodeArray()[element[(k + 1) % 4]];
    sum += p.x * q.y - q.x * p.y;
  }
  return sum;
}

class Meshing : public ::testing::Test {
 protected:
  void DrawUnitSquare() { h.DrawPolygon({{0, 0}, {1, 0}, {1, 1}, {0, 1}}); }
  void DrawRightSquare() { h.DrawPolygon({{1, 0}, {2, 0}, {2, 1}, {1, 1}}); }

  ModelHarness h;
};

TEST_F(Meshing, UnitSquareStripGivesNodesElementsAndEdgesInOrder) {
  DrawUnitSquare();
  h.MeshPolygonAround(0.5, 0.5, 2, 1);
  EXPECT_EQ(NodePositions(h.model),
            (std::vector<ModelPosition>{{0, 0}, {0.5, 0}, {1, 0}, {0, 1}, {0.5, 1}, {1, 1}}));
  EXPECT_EQ(ConnectivityRows(h.model), (std::vector<Element>{{0, 1, 4, 3}, {1, 2, 5, 4}}));
  EXPECT_EQ(h.model.edges().Count(), 7);
  EXPECT_EQ(h.model.displacements().size(), 12u);
  EXPECT_DOUBLE_EQ(h.model.averageElementEdgeLength(), 0.75);
  EXPECT_FALSE(h.model.polygons().Front().selected);
}

TEST_F(Meshing, MergesNodesAndSharedEdgesAcrossPolygons) {
  DrawUnitSquare();
  h.MeshPolygonAround(0.5, 0.5, 2, 1);
  DrawRightSquare();
  h.MeshPolygonAround(1.5, 0.5, 1, 1);
  EXPECT_EQ(h.model.NPOIN(), 8);
  EXPECT_EQ(h.model.nodeArray()[6].position(), (ModelPosition{2, 0}));
  EXPECT_EQ(h.model.nodeArray()[7].position(), (ModelPosition{2, 1}));
  EXPECT_EQ(h.model.connectivity().back(), (Element{2, 6, 7, 5}));
  EXPECT_EQ(h.model.edges().Count(), 10);
}

TEST_F(Meshing, MergesOnlyNodesCloserThanTheTolerance) {
  DrawUnitSquare();
  h.MeshPolygonAround(0.5, 0.5, 1, 1);
  h.DrawPolygon({{1.00005, 0}, {2, 0}, {2, 1}, {1.0002, 1}});
  h.MeshPolygonAround(1.5, 0.5, 1, 1);
  EXPECT_EQ(h.model.NPOIN(), 7);
  EXPECT_EQ(h.model.connectivity().back(), (Element{1, 4, 6, 5}));
  EXPECT_EQ(h.model.nodeArray()[1].position(), (ModelPosition{1, 0}));
  EXPECT_EQ(h.model.nodeArray()[5].position(), (ModelPosition{1.0002, 1}));
}

TEST_F(Meshing, ElementsRunCounterClockwiseLikeTheirPolygon) {
  h.DrawPolygon({{0, 0}, {4, 0.5}, {3.5, 3}, {0.5, 2}});
  h.MeshPolygonAround(2, 1.5, 3, 2);
  EXPECT_EQ(h.model.NELEM(), 6);
  EXPECT_EQ(h.model.NPOIN(), 12);
  for (const Element& element : h.model.connectivity()) {
    EXPECT_GT(DoubleSignedArea(h.model, element), 0.0);
  }
  EXPECT_EQ(h.model.connectivity().front(), (Element{0, 1, 5, 4}));
}

TEST_F(Meshing, ZeroDivisionsChangeNothing) {
  DrawUnitSquare();
  h.ClickPolygon(0.5, 0.5);
  h.model.MeshSelectedPolygons(0, 3);
  h.model.MeshSelectedPolygons(3, 0);
  EXPECT_EQ(h.model.NPOIN(), 0);
  EXPECT_TRUE(h.model.polygons().Front().selected);
}

TEST_F(Meshing, TriangleIsDeselectedWhileQuadrilateralInTheSameCallIsMeshed) {
  h.DrawPolygon({{3, 0}, {4, 0}, {4, 1}});
  DrawUnitSquare();
  h.ClickPolygon(3.9, 0.1);
  h.MeshPolygonAround(0.5, 0.5, 1, 1);
  EXPECT_EQ(h.model.NELEM(), 1);
  EXPECT_EQ(h.model.polygons().CountSelected(), 0);
}

TEST_F(Meshing, NewerSelectedPolygonIsMeshedFirst) {
  DrawUnitSquare();
  h.DrawPolygon({{3, 0}, {4, 0}, {4, 1}, {3, 1}});
  h.ClickPolygon(0.5, 0.5);
  h.MeshPolygonAround(3.5, 0.5, 1, 1);
  EXPECT_EQ(h.model.nodeArray()[0].position(), (ModelPosition{3, 0}));
  EXPECT_EQ(h.model.nodeArray()[4].position(), (ModelPosition{0, 0}));
  EXPECT_EQ(ConnectivityRows(h.model), (std::vector<Element>{{0, 1, 3, 2}, {4, 5, 7, 6}}));
}

// Meshing a polygon again, at any division, would lay a second set of
// elements over the first; its neighbour is still meshed in the same call.
TEST_F(Meshing, APolygonWithElementsIsNotMeshedAgain) {
  DrawUnitSquare();
  h.MeshPolygonAround(0.5, 0.5, 2, 2);
  DrawRightSquare();
  h.ClickPolygon(0.5, 0.5);
  h.MeshPolygonAround(1.5, 0.5, 3, 1);
  EXPECT_EQ(h.model.NELEM(), 4 + 3);
  ASSERT_EQ(h.notifier.messages.size(), 1u);
  EXPECT_EQ(h.notifier.messages[0], (ShownMessage{"多边形0已划分网格, 不再重复划分!", "Warning!"}));
  EXPECT_EQ(h.model.polygons().CountSelected(), 0);

  h.MeshPolygonAround(0.5, 0.5, 2, 2);
  EXPECT_EQ(h.model.NELEM(), 7);
  EXPECT_EQ(h.model.NPOIN(), 9 + 6);
  EXPECT_EQ(h.notifier.messages.size(), 2u);
}

TEST_F(Meshing, APolygonReopenedWithItsElementsIsNotMeshedAgain) {
  DrawUnitSquare();
  h.MeshPolygonAround(0.5, 0.5, 2, 1);
  Model reopened;
  reopened.AttachView(&h.view);
  reopened.AttachNotifier(&h.notifier);
  ASSERT_EQ(ReadModelText(FormatModelFile(h.model), reopened), std::nullopt);
  const ScreenPoint inside = h.PixelOf(0.5, 0.5);
  reopened.PickPolygonAt(inside.x, inside.y);
  reopened.MeshSelectedPolygons(4, 4);
  EXPECT_EQ(reopened.NELEM(), 2);
  EXPECT_EQ(h.notifier.messages.size(), 1u);
}

TEST_F(Meshing, AfterASolveDiscardsTheResultsOfTheOldMesh) {
  DrawUnitSquare();
  h.MeshPolygonAround(0.5, 0.5, 1, 1);
  h.model.SetSolved(true);
  h.model.SetNodeDisplacement(2, 0.1, 0.2);

  h.model.MeshSelectedPolygons(1, 1);
  EXPECT_TRUE(h.model.solved()) << "nothing selected, nothing changed";
  EXPECT_EQ(h.model.displacements()[4], 0.1);

  DrawRightSquare();
  h.MeshPolygonAround(1.5, 0.5, 1, 1);
  EXPECT_FALSE(h.model.solved());
  EXPECT_EQ(h.model.displacements(), std::vector<double>(12, 0.0));
}

TEST_F(Meshing, OversizedRequestIsRefusedWithWarning) {
  DrawUnitSquare();
  h.MeshPolygonAround(0.5, 0.5, 1001, 1000);
  EXPECT_EQ(h.model.NPOIN(), 0);
  ASSERT_EQ(h.notifier.messages.size(), 1u);
  EXPECT_EQ(h.notifier.messages[0].caption, "Warning!");
}

TEST_F(Meshing, DoesNotRecomputeTheBoundingBox) {
  DrawUnitSquare();
  const BoundingBox before = h.model.ComputeBoundingBox();
  h.DrawPolygon({{5, 5}, {6, 5}, {6, 6}, {5, 6}});
  h.MeshPolygonAround(5.5, 5.5, 1, 1);
  EXPECT_EQ(h.model.boundingBox(), before);
}

}  // namespace
}  // namespace kestrix

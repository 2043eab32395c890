#include "model.h"

#include <gtest/gtest.h>

#include <vector>

namespace kestrix {
namespace {

TEST(FreshModel, HoldsDefaultMaterialAndNoEntities) {
  const Model model;
  EXPECT_EQ(model.E(), 210000.0);
  EXPECT_EQ(model.Mu(), 0.3);
  EXPECT_EQ(model.Thick(), 1.0);
  EXPECT_EQ(model.NPOIN(), 0);
  EXPECT_EQ(model.NELEM(), 0);
  EXPECT_EQ(model.nodesPerElement(), 4);
  EXPECT_EQ(model.dofsPerNode(), 2);
  EXPECT_TRUE(model.geoPoints().IsEmpty());
  EXPECT_TRUE(model.polygons().IsEmpty());
  EXPECT_TRUE(model.constraints().IsEmpty());
  EXPECT_TRUE(model.forces().IsEmpty());
  EXPECT_TRUE(model.distributedLoads().IsEmpty());
  EXPECT_FALSE(model.solved());
}

TEST(BoundingBox, EmptyModelGivesUnitSquareAroundOrigin) {
  Model model;
  EXPECT_EQ(model.ComputeBoundingBox(), (BoundingBox{-0.5, 0.5, -0.5, 0.5}));
}

TEST(BoundingBox, SinglePointIsWidenedInBothDirections) {
  Model model;
  model.CreateGeoPt(3, 4);
  EXPECT_EQ(model.ComputeBoundingBox(), (BoundingBox{2.5, 3.5, 3.5, 4.5}));
  EXPECT_EQ(model.boundingBox(), (BoundingBox{2.5, 3.5, 3.5, 4.5}));
}

TEST(BoundingBox, OnlyTheDegenerateDirectionIsWidened) {
  Model model;
  model.CreateGeoPt(0, 2);
  model.CreateGeoPt(5, 2);
  EXPECT_EQ(model.ComputeBoundingBox(), (BoundingBox{0, 5, 1.5, 2.5}));
}

TEST(BoundingBox, CoversNodesAndGeoPts) {
  Model model;
  ASSERT_TRUE(model.ReplaceMesh({{1, 1}, {3, 1}, {3, 2}, {1, 2}}, {{0, 1, 2, 3}}));
  model.CreateGeoPt(-2, 1.5);
  EXPECT_EQ(model.ComputeBoundingBox(), (BoundingBox{-2, 3, 1, 2}));
}

TEST(RebuildingFromFile, NumbersNodesByIndexAndMakesOutlinesAndUniqueEdges) {
  Model model;
  ASSERT_TRUE(model.ReplaceMesh({{0, 0}, {0.5, 0}, {1, 0}, {0, 1}, {0.5, 1}, {1, 1}},
                                {{0, 1, 4, 3}, {1, 2, 5, 4}}));
  EXPECT_EQ(model.NPOIN(), 6);
  EXPECT_EQ(model.NELEM(), 2);
  EXPECT_EQ(model.nodeArray()[4].number, 4);
  EXPECT_EQ(model.nodes().Front().number, 5);
  EXPECT_EQ(model.elementOutlines().Front().vertices[1].number, 2);
  EXPECT_EQ(model.edges().Count(), 7);
  EXPECT_EQ(model.displacements(), std::vector<double>(12, 0.0));
  EXPECT_DOUBLE_EQ(model.averageElementEdgeLength(), 0.75);
}

TEST(RebuildingFromFile, RefusesElementsNamingMissingNodes) {
  Model model;
  EXPECT_FALSE(model.ReplaceMesh({{0, 0}, {1, 0}, {1, 1}}, {{0, 1, 2, 3}}));
  EXPECT_FALSE(model.ReplaceMesh({{0, 0}, {1, 0}, {1, 1}}, {{0, 1, 2, -1}}));
  EXPECT_EQ(model.NPOIN(), 0);
  EXPECT_TRUE(model.nodes().IsEmpty());
}

TEST(RebuildingFromFile, LoadsCopyTheirNodesAndRefuseMissingOnes) {
  Model model;
  ASSERT_TRUE(model.ReplaceMesh({{0, 0}, {1, 0}}, {}));
  EXPECT_TRUE(model.AddConstraint(1, 2, 0));
  EXPECT_TRUE(model.AddForce(0, 5, -5));
  EXPECT_TRUE(model.AddDistributedLoad(0, 10, 1, 0));
  EXPECT_FALSE(model.AddConstraint(2, 1, 1));
  EXPECT_FALSE(model.AddForce(-1, 1, 1));
  EXPECT_FALSE(model.AddDistributedLoad(0, 1, 2, 1));

  EXPECT_EQ(model.constraints().Count(), 1);
  EXPECT_EQ(model.constraints().Front().UX, 2);
  EXPECT_EQ(model.constraints().Front().point.x, 1.0);
  EXPECT_EQ(model.forces().Count(), 1);
  EXPECT_EQ(model.forces().Front().point.number, 0);
  EXPECT_EQ(model.distributedLoads().Count(), 1);
  EXPECT_EQ(model.distributedLoads().Front().endJ.number, 1);
  EXPECT_EQ(model.averageElementEdgeLength(), 0.0);
}

// The node list is the node array and the outlines give the connectivity:
// both views follow every change of the one store.
TEST(MeshStore, NodeArrayAndConnectivityFollowTheLists) {
  Model model;
  ASSERT_TRUE(model.ReplaceMesh({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, {{0, 1, 2, 3}}));
  model.AddGeoPt(0, 1, 0);
  model.AddGeoPt(1, 2, 0);
  model.AddGeoPt(2, 2, 1);
  model.AddGeoPt(3, 1, 1);
  std::vector<ModelPoint> corners(model.geoPoints().InsertionOrder().begin(),
                                  model.geoPoints().InsertionOrder().end());
  Polygon square(0, std::move(corners));
  square.selected = true;
  model.AddPolygon(std::move(square));
  model.MeshSelectedPolygons(1, 1);

  ASSERT_EQ(model.NPOIN(), 6);
  for (int k = 0; k < model.NPOIN(); ++k) EXPECT_EQ(model.nodeArray()[k].number, k);
  EXPECT_EQ(model.nodes().Front().number, 5);
  ASSERT_EQ(model.NELEM(), 2);
  EXPECT_EQ(model.connectivity()[0], (Element{0, 1, 2, 3}));
  EXPECT_EQ(model.connectivity()[1], (Element{1, 4, 5, 2}));
  EXPECT_EQ(model.displacements().size(), 12u);
}

// A copy is a snapshot: changing it leaves the original as it was.
TEST(MeshStore, CopiedModelIsIndependentOfTheOriginal) {
  Model original;
  ASSERT_TRUE(original.ReplaceMesh({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, {{0, 1, 2, 3}}));
  Model copy = original;
  ASSERT_TRUE(copy.ReplaceMesh({{0, 0}, {2, 0}, {2, 2}}, {}));
  copy.CreateGeoPt(5, 5);
  EXPECT_EQ(original.NPOIN(), 4);
  EXPECT_EQ(original.NELEM(), 1);
  EXPECT_EQ(original.nodeArray()[1].x, 1.0);
  EXPECT_TRUE(original.geoPoints().IsEmpty());
  EXPECT_EQ(copy.NPOIN(), 3);
  EXPECT_EQ(copy.NELEM(), 0);
}

}  // namespace
}  // namespace kestrix

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

#include "edge_pick.h"
#include "model_harness.h"

namespace kestrix {
namespace {

using PixelEdge = std::pair<ScreenPoint, ScreenPoint>;

class Picking : public ::testing::Test {
 protected:
  // Nodes at the given pixels, without elements.
  void PlaceNodes(const std::vector<ScreenPoint>& pixels) {
    std::vector<ModelPosition> nodes;
    for (ScreenPoint p : pixels) nodes.push_back(h.ModelAt(p.x, p.y));
    ASSERT_TRUE(h.model.ReplaceMesh(nodes, {}));
  }

  // A square element spanning pixels 400 to 600 both ways, and a slanted one
  // whose side from (300, 900) to (180, 740) has the unit normal (4, -3) / 5.
  void PlaceTwoElements() {
    std::vector<ModelPosition> nodes;
    for (ScreenPoint p : std::vector<ScreenPoint>{{400, 600},
                                                  {600, 600},
                                                  {600, 400},
                                                  {400, 400},
                                                  {100, 900},
                                                  {300, 900},
                                                  {180, 740},
                                                  {100, 740}}) {
      nodes.push_back(h.ModelAt(p.x, p.y));
    }
    ASSERT_TRUE(h.model.ReplaceMesh(nodes, {{0, 1, 2, 3}, {4, 5, 6, 7}}));
  }

  std::vector<int> SelectedNodes() const {
    std::vector<int> numbers;
    for (const ModelPoint& node : h.model.nodes().InsertionOrder()) {
      if (node.selected) numbers.push_back(node.number);
    }
    return numbers;
  }

  std::vector<PixelEdge> SelectedEdges() const {
    std::vector<PixelEdge> edges;
    for (const ElemEdge& edge : h.model.edges()) {
      if (edge.selected)
        edges.emplace_back(h.PixelOf(edge.a.x, edge.a.y), h.PixelOf(edge.b.x, edge.b.y));
    }
    return edges;
  }

  ModelHarness h;
};

TEST_F(Picking, NodeClickFarAwayTogglesTheNearestNode) {
  PlaceNodes({{100, 100}, {300, 300}});
  h.model.PickNodeAt(900, 900);
  EXPECT_EQ(SelectedNodes(), (std::vector{1}));
  h.model.PickNodeAt(900, 900);
  EXPECT_TRUE(SelectedNodes().empty());
}

TEST_F(Picking, PointPickTogglesOnlyTheNewerOfTwoCoincidentNodes) {
  PlaceNodes({{300, 300}, {300, 300}});
  h.model.PickNodeAt(301, 301);
  EXPECT_EQ(SelectedNodes(), (std::vector{1}));
  h.model.PickNodesInRectangle(200, 200, 400, 400);
  EXPECT_EQ(SelectedNodes(), (std::vector{0}));
}

TEST_F(Picking, RectangleCornersMayComeInAnyOrder) {
  PlaceNodes({{100, 100}, {300, 300}, {350, 250}, {700, 700}});
  h.model.PickNodesInRectangle(200, 400, 400, 200);
  EXPECT_EQ(SelectedNodes(), (std::vector{1, 2}));
  h.model.PickNodesInRectangle(400, 400, 200, 200);
  EXPECT_TRUE(SelectedNodes().empty());
  h.model.PickNodesInRectangle(200, 200, 400, 400);
  EXPECT_EQ(SelectedNodes(), (std::vector{1, 2}));
}

TEST_F(Picking, NodesOnTheRectangleBorderAreNotToggled) {
  PlaceNodes({{200, 300}, {400, 300}, {300, 200}, {300, 400}, {300, 300}});
  h.model.PickNodesInRectangle(200, 200, 400, 400);
  EXPECT_EQ(SelectedNodes(), (std::vector{4}));
}

TEST_F(Picking, EdgeWithinFivePixelsTogglesAndHorizontalEdgeAtExactlyFive) {
  PlaceTwoElements();
  const PixelEdge bottom{{400, 600}, {600, 600}};
  const PixelEdge right{{600, 600}, {600, 400}};
  h.model.PickEdgesAt(500, 604);
  EXPECT_EQ(SelectedEdges(), (std::vector{bottom}));
  h.model.PickEdgesAt(500, 605);
  EXPECT_TRUE(SelectedEdges().empty());
  h.model.PickEdgesAt(500, 606);
  EXPECT_TRUE(SelectedEdges().empty());

  h.model.PickEdgesAt(604, 500);
  EXPECT_EQ(SelectedEdges(), (std::vector{right}));
  h.model.PickEdgesAt(604, 500);
  h.model.PickEdgesAt(605, 500);
  EXPECT_TRUE(SelectedEdges().empty());
}

TEST_F(Picking, SlantedEdgeTogglesBelowFivePixelsOnly) {
  PlaceTwoElements();
  h.model.PickEdgesAt(244, 817);
  EXPECT_TRUE(SelectedEdges().empty()) << "exactly 5 pixels from the edge";
  h.model.PickEdgesAt(243, 818);
  EXPECT_EQ(SelectedEdges(), (std::vector<PixelEdge>{{{300, 900}, {180, 740}}}));
}

TEST_F(Picking, ClickBeyondTheEndOfAnEdgeNeverTogglesIt) {
  PlaceTwoElements();
  h.model.PickEdgesAt(650, 601);
  h.model.PickEdgesAt(601, 650);
  h.model.PickEdgesAt(600, 601);
  EXPECT_TRUE(SelectedEdges().empty());
}

TEST_F(Picking, OneClickNearACornerTogglesBothEdgesWithinReach) {
  PlaceTwoElements();
  h.model.PickEdgesAt(597, 597);
  EXPECT_EQ(SelectedEdges().size(), 2u);
}

TEST_F(Picking, RectangleTogglesEdgesWithBothEndsInside) {
  PlaceTwoElements();
  h.model.PickEdgesInRectangle(350, 650, 650, 450);
  EXPECT_EQ(SelectedEdges(), (std::vector<PixelEdge>{{{400, 600}, {600, 600}}}));
}

TEST_F(Picking, ClickInsideOverlappingPolygonsTogglesAll) {
  h.DrawPolygon({{0, 0}, {2, 0}, {2, 2}, {0, 2}});
  h.DrawPolygon({{1, 1}, {3, 1}, {3, 3}, {1, 3}});
  h.ClickPolygon(1.5, 1.5);
  EXPECT_EQ(h.model.polygons().CountSelected(), 2);
  h.ClickPolygon(0.5, 0.5);
  EXPECT_EQ(h.model.polygons().CountSelected(), 1);
  EXPECT_TRUE(h.model.polygons().Front().selected);
  h.ClickPolygon(5, 5);
  EXPECT_EQ(h.model.polygons().CountSelected(), 1);
}

TEST_F(Picking, GeoPtCanBePickedOnlyOnceUntilItIsCleared) {
  h.CreateGeoPts({{0, 0}, {1, 0}, {2, 0}});
  h.ClickGeoPts({{0, 0}, {1, 0}, {1, 0}, {2, 0}});
  EXPECT_EQ(h.model.geoPoints().CountSelected(), 3);
  EXPECT_EQ(NumbersInInsertionOrder(h.model.pickedPoints()), (std::vector{0, 1, 2}));
}

TEST_F(Picking, EscapeClearsEverySelectionButKeepsThePicks) {
  h.DrawPolygon({{0, 0}, {1, 0}, {1, 1}, {0, 1}});
  h.MeshPolygonAround(0.5, 0.5, 1, 1);
  h.ClickPolygon(0.5, 0.5);
  h.ClickNode(0, 0);
  const ScreenPoint edge_middle = h.PixelOf(0.5, 0);
  h.model.PickEdgesAt(edge_middle.x, edge_middle.y);
  h.ClickGeoPt(1, 1);

  h.model.ClearSelection();
  EXPECT_EQ(h.model.polygons().CountSelected(), 0);
  EXPECT_EQ(h.model.nodes().CountSelected(), 0);
  EXPECT_EQ(h.model.edges().CountSelected(), 0);
  EXPECT_EQ(h.model.geoPoints().CountSelected(), 0);
  EXPECT_EQ(h.model.pickedPoints().Count(), 1);
}

// The edges that the click test passes, looked at one by one over the whole
// list, are exactly those that a click toggles, at any zoom.
TEST_F(Picking, EdgeClickTogglesWhatTheExactTestPassesOverAllEdges) {
  std::mt19937 random(7);
  std::vector<ModelPosition> nodes;
  std::vector<Element> elements;
  std::uniform_real_distribution<double> jitter(-0.02, 0.02);
  for (int r = 0; r <= 10; ++r) {
    for (int c = 0; c <= 10; ++c) nodes.push_back({c * 0.9 + jitter(random), r * 0.7 + jitter(random)});
  }
  for (int r = 0; r < 10; ++r) {
    for (int c = 0; c < 10; ++c) elements.push_back({r * 11 + c, r * 11 + c + 1, r * 11 + c + 12, r * 11 + c + 11});
  }
  ASSERT_TRUE(h.model.ReplaceMesh(nodes, elements));
  std::uniform_int_distribution<int> pixel(0, 1000);
  for (const double scale : {3.0, 64.0, 900.0}) {
    h.view.ZoomAt(500, 500, scale);
    for (int k = 0; k < 300; ++k) {
      const ScreenPoint click{pixel(random), pixel(random)};
      std::vector<bool> expected;
      for (const ElemEdge& edge : h.model.edges()) {
        expected.push_back(edge.selected != ClickPicksEdge(click, h.PixelOf(edge.a.x, edge.a.y),
                                                           h.PixelOf(edge.b.x, edge.b.y)));
      }
      h.model.PickEdgesAt(click.x, click.y);
      std::vector<bool> picked;
      for (const ElemEdge& edge : h.model.edges()) picked.push_back(edge.selected);
      ASSERT_EQ(picked, expected) << "scale " << scale << ", click " << click.x << "," << click.y;
    }
  }
}

// The count that a paint reads instead of looking at every edge.
TEST_F(Picking, SelectedEdgeCountFollowsEveryChangeOfTheSelection) {
  const auto expectCounted = [this](int count) {
    EXPECT_EQ(h.model.selectedEdgeCount(), count);
    EXPECT_EQ(h.model.edges().CountSelected(), count);
  };
  h.DrawPolygon({{0, 0}, {1, 0}, {1, 1}, {0, 1}});
  h.MeshPolygonAround(0.5, 0.5, 2, 1);
  h.DrawPolygon({{3, 0}, {4, 0}, {4, 1}, {3, 1}});
  h.MeshPolygonAround(3.5, 0.5, 1, 1);
  const ScreenPoint bottom = h.PixelOf(0.25, 0);
  h.model.PickEdgesAt(bottom.x, bottom.y);
  expectCounted(1);
  const ScreenPoint low = h.PixelOf(-1, -1);
  const ScreenPoint high = h.PixelOf(5, 2);
  h.model.PickEdgesInRectangle(low.x, low.y, high.x, high.y);
  expectCounted(7 + 4 - 1);
  h.model.ApplyDistributedLoad(1, 1);
  expectCounted(0);
  h.model.PickEdgesInRectangle(low.x, low.y, high.x, high.y);
  h.model.PickEdgesAt(bottom.x, bottom.y);
  h.ClickPolygon(3.5, 0.5);
  const Polygon right = h.model.polygons().Front();
  ASSERT_EQ(h.model.ClearPolygonMeshes({&right, 1}).outcome, MeshClearing::Outcome::Cleared);
  expectCounted(7 - 1);
  const Model copy = h.model;
  h.model.ClearSelection();
  expectCounted(0);
  EXPECT_EQ(copy.selectedEdgeCount(), 6);
  h.model.PickEdgesAt(bottom.x, bottom.y);
  ASSERT_TRUE(h.model.ReplaceMesh({{0, 0}}, {}));
  expectCounted(0);
}

TEST(PickingWithoutView, ChangesNothing) {
  Model model;
  ASSERT_TRUE(model.ReplaceMesh({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, {{0, 1, 2, 3}}));
  model.CreateGeoPt(0, 0);
  model.PickNodeAt(0, 0);
  model.PickNodesInRectangle(-100, -100, 100, 100);
  model.PickEdgesAt(0, 0);
  model.PickGeoPtAt(0, 0);
  EXPECT_EQ(model.nodes().CountSelected(), 0);
  EXPECT_EQ(model.edges().CountSelected(), 0);
  EXPECT_TRUE(model.pickedPoints().IsEmpty());
}

}  // namespace
}  // namespace kestrix

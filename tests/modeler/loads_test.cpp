#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "model_harness.h"

namespace kestrix {
namespace {

// A 10 x 4 plate meshed into 2 x 1 elements: nodes 0, 1, 2 along the bottom
// and 3, 4, 5 along the top, with the bounding box computed.
class Loads : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(h.model.ReplaceMesh({{0, 0}, {5, 0}, {10, 0}, {0, 4}, {5, 4}, {10, 4}},
                                    {{0, 1, 4, 3}, {1, 2, 5, 4}}));
    h.model.ComputeBoundingBox();
  }

  void SelectNode(int number) {
    const ModelPoint& node = h.model.nodeArray()[number];
    h.ClickNode(node.x, node.y);
  }

  void SelectEdgeThrough(double x, double y) {
    const ScreenPoint p = h.PixelOf(x, y);
    h.model.PickEdgesAt(p.x, p.y);
  }

  static std::vector<ShownMessage> Warnings(const char* first, const char* second) {
    return {{first, "Warning!"}, {second, "Warning!"}};
  }

  ModelHarness h;
};

TEST_F(Loads, ConstraintPerSelectedNodeInNewestFirstOrder) {
  SelectNode(3);
  SelectNode(5);
  h.model.ApplyConstraint(true, false);
  ASSERT_EQ(h.model.constraints().Count(), 2);
  std::vector<int> nodes;
  for (const Constraint& c : h.model.constraints().InsertionOrder()) {
    nodes.push_back(c.point.number);
    EXPECT_EQ(c.UX, 1);
    EXPECT_EQ(c.UY, 0);
  }
  EXPECT_EQ(nodes, (std::vector{5, 3}));
  EXPECT_EQ(h.model.nodes().CountSelected(), 0);
}

TEST(LoadArrowScales, StartAtOne) {
  const Model model;
  EXPECT_EQ(model.forceScale(), 1.0);
  EXPECT_EQ(model.loadScale(), 1.0);
}

TEST_F(Loads, ForceScaleDrawsTheLargestComponentATenthOfTheLargerExtent) {
  SelectNode(2);
  h.model.ApplyForce(100, 0);
  EXPECT_DOUBLE_EQ(h.model.forceScale(), 0.01);

  SelectNode(5);
  h.model.ApplyForce(0, -250);
  EXPECT_DOUBLE_EQ(h.model.forceScale(), 0.004);
  EXPECT_EQ(h.model.forces().Count(), 2);
  EXPECT_EQ(h.model.nodes().CountSelected(), 0);
  EXPECT_TRUE(h.notifier.messages.empty());
}

TEST_F(Loads, VanishingForceIsRecordedWithTwoWarningsAndScaleOne) {
  SelectNode(0);
  h.model.ApplyForce(0, 0);
  EXPECT_EQ(h.model.forces().Count(), 1);
  EXPECT_EQ(h.model.forceScale(), 1.0);
  EXPECT_EQ(h.notifier.messages,
            Warnings("集中力太小|Fmax|<1e-10!", "临时给m_VisualScaleofForce赋值为1"));
}

TEST_F(Loads, ForceWithoutSelectionOnNoForcesGivesScaleOneSilently) {
  h.model.ApplyForce(100, 100);
  EXPECT_TRUE(h.model.forces().IsEmpty());
  EXPECT_EQ(h.model.forceScale(), 1.0);
  EXPECT_TRUE(h.notifier.messages.empty());
}

TEST_F(Loads, SameForceTwiceIsRecordedTwice) {
  SelectNode(1);
  h.model.ApplyForce(1, 2);
  SelectNode(1);
  h.model.ApplyForce(1, 2);
  ASSERT_EQ(h.model.forces().Count(), 2);
  for (const NodalForce& force : h.model.forces()) EXPECT_EQ(force.point.number, 1);
}

TEST_F(Loads, DistributedLoadRunsFromTheEdgesFirstEndAndConsumesTheSelection) {
  SelectEdgeThrough(7.5, 0);
  h.model.ApplyDistributedLoad(10, 0);
  ASSERT_EQ(h.model.distributedLoads().Count(), 1);
  const DistributedLoad& load = h.model.distributedLoads().Front();
  const ElemEdge& edge = *std::ranges::find_if(h.model.edges(), [](const ElemEdge& e) {
    return e.a.number + e.b.number == 3 && e.a.number * e.b.number == 2;
  });
  EXPECT_EQ(load.endI.number, edge.a.number);
  EXPECT_EQ(load.endJ.number, edge.b.number);
  EXPECT_EQ(load.qi, 10.0);
  EXPECT_EQ(load.qj, 0.0);
  EXPECT_DOUBLE_EQ(h.model.loadScale(), 0.1);
  EXPECT_EQ(h.model.edges().CountSelected(), 0);
}

TEST_F(Loads, VanishingDistributedLoadWarnsWithItsOwnTexts) {
  SelectEdgeThrough(7.5, 0);
  h.model.ApplyDistributedLoad(1e-11, -1e-11);
  EXPECT_EQ(h.model.loadScale(), 1.0);
  EXPECT_EQ(h.notifier.messages,
            Warnings("分布力强度太小|Fmax|<1e-10!", "临时给m_VisualScaleofDisLoad赋值为1"));
}

}  // namespace
}  // namespace kestrix

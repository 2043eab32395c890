#include <gtest/gtest.h>

#include <vector>

#include "model_harness.h"

namespace kestrix {
namespace {

TEST(GeoPts, AreNumberedInCreationOrder) {
  ModelHarness h;
  h.CreateGeoPts({{0, 0}, {1, 0}, {0, 1}});
  EXPECT_EQ(NumbersInInsertionOrder(h.model.geoPoints()), (std::vector{0, 1, 2}));
}

TEST(GeoPts, CoincidentPointIsRejectedWithWarningAndUsesUpNoNumber) {
  ModelHarness h;
  h.model.CreateGeoPt(0, 0);
  h.model.CreateGeoPt(0, 0);
  EXPECT_EQ(h.model.geoPoints().Count(), 1);
  EXPECT_EQ(h.notifier.messages,
            (std::vector<ShownMessage>{{"结构体系中有几何点与该点非常接近!", "Warning!"}}));
  h.model.CreateGeoPt(2, 0);
  EXPECT_EQ(h.model.geoPoints().Front().number, 1);
}

TEST(GeoPts, NearbyButDistinctPointIsCreated) {
  ModelHarness h;
  h.model.CreateGeoPt(0, 0);
  h.model.CreateGeoPt(1e-9, 0);
  EXPECT_EQ(h.model.geoPoints().Count(), 2);
  EXPECT_TRUE(h.notifier.messages.empty());
}

TEST(Polygons, VerticesFollowPickOrderAndConsumeThePicks) {
  ModelHarness h;
  h.CreateGeoPts({{0, 0}, {4, 0}, {0, 3}});
  h.ClickGeoPts({{0, 3}, {0, 0}, {4, 0}});
  h.model.CreatePolygonFromPickedPoints();

  ASSERT_EQ(h.model.polygons().Count(), 1);
  const Polygon& polygon = h.model.polygons().Front();
  EXPECT_EQ(polygon.number, 0);
  EXPECT_EQ(polygon.vertexCount(), 3);
  EXPECT_EQ(VertexNumbers(polygon), (std::vector{2, 0, 1}));
  EXPECT_EQ(polygon.box(), (BoundingBox{0, 4, 0, 3}));
  EXPECT_FALSE(polygon.selected);
  EXPECT_EQ(h.model.geoPoints().CountSelected(), 0);
  EXPECT_TRUE(h.model.pickedPoints().IsEmpty());
}

TEST(Polygons, FewerThanThreePicksMakeNothingUntilAThirdArrives) {
  ModelHarness h;
  h.CreateGeoPts({{0, 0}, {1, 0}, {1, 1}});
  h.ClickGeoPts({{0, 0}, {1, 0}});
  h.model.CreatePolygonFromPickedPoints();
  EXPECT_TRUE(h.model.polygons().IsEmpty());
  EXPECT_EQ(h.model.pickedPoints().Count(), 2);
  EXPECT_EQ(h.model.geoPoints().CountSelected(), 2);

  h.ClickGeoPt(1, 1);
  h.model.CreatePolygonFromPickedPoints();
  ASSERT_EQ(h.model.polygons().Count(), 1);
  EXPECT_EQ(h.model.polygons().Front().vertexCount(), 3);
}

TEST(Polygons, AreNumberedInCreationOrder) {
  ModelHarness h;
  h.DrawPolygon({{0, 0}, {1, 0}, {1, 1}});
  h.DrawPolygon({{2, 0}, {3, 0}, {3, 1}});
  EXPECT_EQ(h.model.polygons().Front().number, 1);
  EXPECT_EQ(h.model.polygons().Count(), 2);
}

TEST(Polygons, PicksMadeBeforeEscapeJoinTheNextPolygon) {
  ModelHarness h;
  h.CreateGeoPts({{0, 0}, {1, 0}});
  h.ClickGeoPts({{0, 0}, {1, 0}});
  h.model.ClearSelection();
  EXPECT_EQ(h.model.geoPoints().CountSelected(), 0);
  EXPECT_EQ(h.model.pickedPoints().Count(), 2);

  h.ClickGeoPt(1, 0);
  h.model.CreatePolygonFromPickedPoints();
  ASSERT_EQ(h.model.polygons().Count(), 1);
  EXPECT_EQ(VertexNumbers(h.model.polygons().Front()), (std::vector{0, 1, 1}));
}

}  // namespace
}  // namespace kestrix

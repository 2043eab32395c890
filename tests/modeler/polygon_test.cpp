#include "polygon.h"

#include <gtest/gtest.h>

#include <vector>

namespace kestrix {
namespace {

Polygon PolygonThrough(const std::vector<ModelPosition>& corners) {
  std::vector<ModelPoint> vertices;
  for (ModelPosition p : corners) vertices.push_back({.x = p.x, .y = p.y});
  return Polygon(0, std::move(vertices));
}

TEST(PolygonContainment, CornerAtTheLowerEndOfASideCountsThatSide) {
  const Polygon square = PolygonThrough({{0, 0}, {2, 0}, {2, 2}, {0, 2}});
  EXPECT_TRUE(square.Contains({0, 0}));
  EXPECT_FALSE(square.Contains({2, 0}));
  EXPECT_FALSE(square.Contains({0, 2}));
  EXPECT_FALSE(square.Contains({2, 2}));
}

TEST(PolygonContainment, ConcaveNotchIsOutside) {
  const Polygon u_shape =
      PolygonThrough({{0, 0}, {3, 0}, {3, 3}, {2, 3}, {2, 1}, {1, 1}, {1, 3}, {0, 3}});
  EXPECT_TRUE(u_shape.Contains({0.5, 2}));
  EXPECT_TRUE(u_shape.Contains({2.5, 2}));
  EXPECT_FALSE(u_shape.Contains({1.5, 2}));
  EXPECT_TRUE(u_shape.Contains({1.5, 0.5}));
}

TEST(PolygonContainment, PointOutsideTheBoxIsOutside) {
  const Polygon triangle = PolygonThrough({{0, 0}, {4, 0}, {0, 4}});
  EXPECT_FALSE(triangle.Contains({-0.1, 1}));
  EXPECT_FALSE(triangle.Contains({3, 3}));
  EXPECT_TRUE(triangle.Contains({1, 1}));
}

TEST(PolygonBox, FollowsTheVertices) {
  Polygon polygon = PolygonThrough({{1, 2}, {-1, 5}, {3, 0}});
  EXPECT_EQ(polygon.box(), (BoundingBox{-1, 3, 0, 5}));
  polygon.SetVertices({{.x = 7, .y = 8}});
  EXPECT_EQ(polygon.box(), (BoundingBox{7, 7, 8, 8}));
  const Polygon copy = polygon;
  polygon.SetVertices({});
  EXPECT_EQ(copy.vertexCount(), 1);
}

}  // namespace
}  // namespace kestrix

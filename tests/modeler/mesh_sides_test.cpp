#include "mesh_sides.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <vector>

#include "model_harness.h"

namespace kestrix {
namespace {

// Every side of every element with the direction it is drawn in, counted
// side by side: what drawing the unique sides must cover.
std::vector<MeshSide> EverySide(const Model& model) {
  std::vector<MeshSide> sides;
  for (const Element& element : model.connectivity()) {
    for (int k = 0; k < kNodesPerElement; ++k) {
      sides.push_back({element[k], element[(k + 1) % kNodesPerElement], false});
    }
  }
  return sides;
}

// Each side of `every` is one of `unique`, the same way round or, where
// flagged, the other way; each of `unique` is one of `every` exactly so.
void ExpectSameDrawing(const std::vector<MeshSide>& unique, const std::vector<MeshSide>& every) {
  const auto covers = [](const MeshSide& u, const MeshSide& s) {
    return (u.from == s.from && u.to == s.to) || (u.reversedToo && u.from == s.to && u.to == s.from);
  };
  for (const MeshSide& side : every) {
    EXPECT_EQ(std::ranges::count_if(unique, [&](const MeshSide& u) { return covers(u, side); }), 1)
        << side.from << "-" << side.to;
  }
  for (const MeshSide& u : unique) {
    const auto same = [&](const MeshSide& s) { return s.from == u.from && s.to == u.to; };
    const auto reversed = [&](const MeshSide& s) { return s.from == u.to && s.to == u.from; };
    EXPECT_TRUE(std::ranges::any_of(every, same));
    EXPECT_EQ(u.reversedToo, u.from != u.to && std::ranges::any_of(every, reversed));
  }
}

// Two counter-clockwise elements run along their shared side in opposite
// directions; a clockwise one beside them runs along it the same way.
TEST(UniqueSides, SharedSidesOnceInTheDirectionFirstMet) {
  Model model;
  ASSERT_TRUE(model.ReplaceMesh({{0, 0}, {1, 0}, {2, 0}, {2, 1}, {1, 1}, {0, 1}},
                                {{0, 1, 4, 5}, {1, 2, 3, 4}}));
  EXPECT_EQ(model.meshSides().unique, (std::vector<MeshSide>{{0, 1, false, true, false},
                                                             {1, 4, true, true, true},
                                                             {4, 5, false, true, false},
                                                             {5, 0, false, true, false},
                                                             {1, 2, false, true, false},
                                                             {2, 3, false, true, false},
                                                             {3, 4, false, true, false}}));
  EXPECT_TRUE(model.meshSides().offNodes.empty());
  ASSERT_TRUE(model.ReplaceMesh({{0, 0}, {1, 0}, {2, 0}, {2, 1}, {1, 1}, {0, 1}},
                                {{0, 1, 4, 5}, {1, 4, 3, 2}}));
  EXPECT_EQ(model.meshSides().unique.size(), 7u);
  EXPECT_EQ(model.meshSides().unique[1], (MeshSide{1, 4, false, true, false}));
  ExpectSameDrawing(model.meshSides().unique, EverySide(model));
}

// The sides follow every change of the mesh: meshing polygons beside each
// other, clearing a polygon's mesh (the nodes after it numbered anew), new
// elements read from a file. A copy keeps the sides of its own mesh.
TEST(UniqueSides, FollowTheMeshThroughItsChanges) {
  ModelHarness h;
  h.DrawPolygon({{3, 0}, {4, 0}, {4, 1}, {3, 1}});
  h.MeshPolygonAround(3.5, 0.5, 2, 2);
  EXPECT_EQ(h.model.meshSides().unique.size(), 12u);
  h.DrawPolygon({{0, 0}, {1, 0}, {1, 1}, {0, 1}});
  h.MeshPolygonAround(0.5, 0.5, 3, 2);
  h.DrawPolygon({{1, 0}, {2, 0}, {2, 1}, {1, 1}});
  h.MeshPolygonAround(1.5, 0.5, 2, 2);
  EXPECT_EQ(h.model.meshSides().unique.size(), 12u + 17u + 10u);
  EXPECT_EQ(h.model.meshSides().unique.size(), static_cast<std::size_t>(h.model.edges().Count()));
  ExpectSameDrawing(h.model.meshSides().unique, EverySide(h.model));

  const Model before = h.model;
  const Polygon far = h.model.polygons().InsertionOrder().front();
  ASSERT_EQ(h.model.ClearPolygonMeshes({&far, 1}).outcome, MeshClearing::Outcome::Cleared);
  EXPECT_EQ(h.model.meshSides().unique.size(), 27u);
  ExpectSameDrawing(h.model.meshSides().unique, EverySide(h.model));
  EXPECT_EQ(before.meshSides().unique.size(), 39u);
  ExpectSameDrawing(before.meshSides().unique, EverySide(before));

  ASSERT_TRUE(h.model.ReplaceMesh({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, {{0, 1, 2, 3}}));
  EXPECT_EQ(h.model.meshSides().unique.size(), 4u);
  ASSERT_TRUE(h.model.ReplaceMesh({}, {}));
  EXPECT_TRUE(h.model.meshSides().unique.empty());
}

using Segment = std::array<double, 4>;

Segment SegmentOf(const ModelPoint& a, const ModelPoint& b) { return {a.x, a.y, b.x, b.y}; }

// Every outline side by its own coordinates, the way it runs.
std::set<Segment> OutlineSegments(const Model& model) {
  std::set<Segment> segments;
  for (const ElementOutline& outline : model.elementOutlines()) {
    for (int k = 0; k < kNodesPerElement; ++k) {
      segments.insert(SegmentOf(outline.vertices[k], outline.vertices[(k + 1) % kNodesPerElement]));
    }
  }
  return segments;
}

// What a drawing of the outlines from the side list gives: the sides on the
// nodes from the nodes' coordinates, in the directions flagged, and the
// other outline sides from the outlines' own coordinates.
std::set<Segment> SideListSegments(const Model& model) {
  const MeshSides& sides = model.meshSides();
  const auto nodes = model.nodeArray();
  std::set<Segment> segments;
  for (const MeshSide& side : sides.unique) {
    if (side.onNodes) segments.insert(SegmentOf(nodes[side.from], nodes[side.to]));
    if (side.reversedOnNodes) segments.insert(SegmentOf(nodes[side.to], nodes[side.from]));
  }
  const auto outlines = model.elementOutlines().InsertionOrder();
  for (const OutlineSide& side : sides.offNodes) {
    const auto& corners = outlines[side.element].vertices;
    segments.insert(SegmentOf(corners[side.corner], corners[(side.corner + 1) % kNodesPerElement]));
  }
  return segments;
}

// The second polygon's left side lies 2^-16 to the right of the first one's
// right side, within the merging tolerance: its outlines take the first
// mesh's nodes there but keep their own coordinates, so those sides are
// listed on their own and the first mesh's copies drawn from the nodes.
TEST(UniqueSides, OutlineSidesOffTheNodesAreListedWithTheirElement) {
  ModelHarness h;
  h.view.ZoomAt(500, 500, 1 << 14);  // 2^20 pixels a unit: 16 pixels between the sides
  constexpr double kOff = 1.0 + 1.0 / (1 << 16);
  h.DrawPolygon({{0, 0}, {1, 0}, {1, 1}, {0, 1}});
  h.MeshPolygonAround(0.5, 0.5, 2, 2);
  h.DrawPolygon({{kOff, 0}, {2, 0}, {2, 1}, {kOff, 1}});
  h.MeshPolygonAround(1.5, 0.5, 2, 2);
  ASSERT_EQ(h.model.NPOIN(), 9 + 6);

  const MeshSides& sides = h.model.meshSides();
  // Of the second mesh, the two sides on its left and the two from there
  // into the mesh in each of its two left elements.
  std::vector<OutlineSide> offNodes;
  const auto outlines = h.model.elementOutlines().InsertionOrder();
  for (int element = 4; element < 8; ++element) {
    for (int k = 0; k < kNodesPerElement; ++k) {
      const ModelPoint& a = outlines[element].vertices[k];
      const ModelPoint& b = outlines[element].vertices[(k + 1) % kNodesPerElement];
      if (a.x == kOff || b.x == kOff) offNodes.push_back({element, k});
    }
  }
  EXPECT_EQ(offNodes.size(), 6u);
  EXPECT_EQ(sides.offNodes, offNodes);
  EXPECT_EQ(SideListSegments(h.model), OutlineSegments(h.model));
  ExpectSameDrawing(sides.unique, EverySide(h.model));
  EXPECT_FALSE(sides.outlineSelected);
}

}  // namespace
}  // namespace kestrix

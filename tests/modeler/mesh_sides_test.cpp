#include "mesh_sides.h"

#include <gtest/gtest.h>

#include <algorithm>
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
  EXPECT_EQ(model.meshSides(), (std::vector<MeshSide>{{0, 1, false},
                                                      {1, 4, true},
                                                      {4, 5, false},
                                                      {5, 0, false},
                                                      {1, 2, false},
                                                      {2, 3, false},
                                                      {3, 4, false}}));
  ASSERT_TRUE(model.ReplaceMesh({{0, 0}, {1, 0}, {2, 0}, {2, 1}, {1, 1}, {0, 1}},
                                {{0, 1, 4, 5}, {1, 4, 3, 2}}));
  EXPECT_EQ(model.meshSides().size(), 7u);
  EXPECT_EQ(model.meshSides()[1], (MeshSide{1, 4, false}));
  ExpectSameDrawing(model.meshSides(), EverySide(model));
}

// The sides follow every change of the mesh: meshing polygons beside each
// other, clearing a polygon's mesh (the nodes after it numbered anew), new
// elements read from a file. A copy keeps the sides of its own mesh.
TEST(UniqueSides, FollowTheMeshThroughItsChanges) {
  ModelHarness h;
  h.DrawPolygon({{3, 0}, {4, 0}, {4, 1}, {3, 1}});
  h.MeshPolygonAround(3.5, 0.5, 2, 2);
  EXPECT_EQ(h.model.meshSides().size(), 12u);
  h.DrawPolygon({{0, 0}, {1, 0}, {1, 1}, {0, 1}});
  h.MeshPolygonAround(0.5, 0.5, 3, 2);
  h.DrawPolygon({{1, 0}, {2, 0}, {2, 1}, {1, 1}});
  h.MeshPolygonAround(1.5, 0.5, 2, 2);
  EXPECT_EQ(h.model.meshSides().size(), 12u + 17u + 10u);
  EXPECT_EQ(h.model.meshSides().size(), static_cast<std::size_t>(h.model.edges().Count()));
  ExpectSameDrawing(h.model.meshSides(), EverySide(h.model));

  const Model before = h.model;
  const Polygon far = h.model.polygons().InsertionOrder().front();
  ASSERT_EQ(h.model.ClearPolygonMeshes({&far, 1}).outcome, MeshClearing::Outcome::Cleared);
  EXPECT_EQ(h.model.meshSides().size(), 27u);
  ExpectSameDrawing(h.model.meshSides(), EverySide(h.model));
  EXPECT_EQ(before.meshSides().size(), 39u);
  ExpectSameDrawing(before.meshSides(), EverySide(before));

  ASSERT_TRUE(h.model.ReplaceMesh({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, {{0, 1, 2, 3}}));
  EXPECT_EQ(h.model.meshSides().size(), 4u);
  ASSERT_TRUE(h.model.ReplaceMesh({}, {}));
  EXPECT_TRUE(h.model.meshSides().empty());
}

}  // namespace
}  // namespace kestrix

#pragma once
// The reference for meshing: every grid point scans the whole node list newest
// first for a node closer than the tolerance, and every new edge scans the
// whole edge list; a polygon that already holds elements is skipped.
// Quadratic, and kept only to check the indexed meshing.

#include <algorithm>
#include <bit>
#include <cstdint>
#include <list>
#include <vector>

#include "model.h"
#include "quad_grid.h"

namespace kestrix {

// The lists of a model in forward (newest-first) order.
struct MeshLists {
  std::vector<ModelPoint> nodes;
  std::vector<ElementOutline> outlines;
  std::vector<ElemEdge> edges;
};

// Every field of every entity as bits, so that lists holding NaN coordinates
// still compare equal to themselves.
inline std::vector<std::uint64_t> Fingerprint(const MeshLists& lists) {
  std::vector<std::uint64_t> bits;
  const auto add_point = [&](const ModelPoint& p) {
    bits.insert(bits.end(), {std::bit_cast<std::uint64_t>(p.x), std::bit_cast<std::uint64_t>(p.y),
                             static_cast<std::uint64_t>(p.number), p.selected,
                             std::bit_cast<std::uint64_t>(p.coincidenceRadius)});
  };
  for (const ModelPoint& node : lists.nodes) add_point(node);
  for (const ElementOutline& outline : lists.outlines) {
    bits.push_back(outline.selected);
    for (const ModelPoint& vertex : outline.vertices) add_point(vertex);
  }
  for (const ElemEdge& edge : lists.edges) {
    bits.push_back(edge.selected);
    add_point(edge.a);
    add_point(edge.b);
  }
  return bits;
}

template <typename T>
std::vector<T> ForwardCopy(const EntityList<T>& list) {
  return {list.begin(), list.end()};
}

inline MeshLists ListsOf(const Model& model) {
  return {ForwardCopy(model.nodes()), ForwardCopy(model.elementOutlines()),
          ForwardCopy(model.edges())};
}

// The lists that meshing the selected polygons of `model` should leave.
inline MeshLists LiteralMesh(const Model& model, int LN, int WN) {
  constexpr double kTolerance = 0.0001;
  std::list<ModelPoint> nodes(model.nodes().begin(), model.nodes().end());
  std::list<ElementOutline> outlines(model.elementOutlines().begin(),
                                     model.elementOutlines().end());
  std::list<ElemEdge> edges(model.edges().begin(), model.edges().end());
  for (const Polygon& polygon : model.polygons()) {
    if (!polygon.selected || polygon.vertexCount() != 4) continue;
    // A polygon with an element centre inside already has its elements.
    const auto inside = [&](const ElementOutline& outline) {
      ModelPosition centre{0.0, 0.0};
      for (const ModelPoint& vertex : outline.vertices) {
        centre.x += vertex.x / 4;
        centre.y += vertex.y / 4;
      }
      return polygon.Contains(centre);
    };
    if (std::ranges::any_of(outlines, inside)) continue;
    std::vector<ModelPoint> grid = MapGridPoints(polygon.vertices(), LN, WN);
    std::vector<ElementOutline> cells = GridOutlines(grid, LN, WN);
    int next = 0;
    for (const ModelPoint& node : nodes) next = std::max(next, node.number + 1);
    for (ModelPoint& point : grid) {
      const auto near = [&](const ModelPoint& node) {
        return node.DistanceTo(point.position()) < kTolerance;
      };
      const auto found = std::ranges::find_if(nodes, near);
      if (found != nodes.end()) {
        point.number = found->number;
      } else {
        point.number = next++;
        nodes.push_front(point);
      }
    }
    for (ElementOutline& cell : cells) {
      for (ModelPoint& vertex : cell.vertices) vertex.number = grid[vertex.number].number;
      outlines.push_front(cell);
    }
    for (const ElementOutline& cell : cells) {
      for (int k = 0; k < 4; ++k) {
        const ElemEdge edge{.a = cell.vertices[k], .b = cell.vertices[(k + 1) % 4]};
        const auto same = [&](const ElemEdge& stored) { return stored.IsSameEdgeAs(edge); };
        if (std::ranges::none_of(edges, same)) edges.push_front(edge);
      }
    }
  }
  return {{nodes.begin(), nodes.end()},
          {outlines.begin(), outlines.end()},
          {edges.begin(), edges.end()}};
}

}  // namespace kestrix

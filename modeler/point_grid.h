#pragma once

#include <cstddef>
#include <optional>
#include <unordered_map>
#include <vector>

#include "model_point.h"

namespace kestrix {

// A spatial hash of integer ids by position, for finding every stored id whose
// position is closer to a query than a given reach. Cells are squares of 16
// reaches, keyed by the rounded-down quotients of the coordinates; a query
// looks into its own cell and into a neighbour only when it lies within a
// quarter cell of their common border. Even with the rounding of the
// quotients, two positions closer than the reach have quotients less than an
// eighth apart, so none is missed. Non-finite positions are never stored and
// never near anything, as no distance to them is finite.
class PointGrid {
 public:
  explicit PointGrid(double reach) : m_cellSize(16.0 * reach) {}

  void Insert(ModelPosition p, int id);

  // Calls visit(id) for the ids in the cells near p. Far from the origin,
  // where neighbouring cell indices round to the same value, an id may be
  // visited twice.
  template <typename Visit>
  void ForEachNear(ModelPosition p, Visit visit) const {
    const std::optional<Span> x = SpanOf(p.x);
    const std::optional<Span> y = SpanOf(p.y);
    if (!x || !y) return;
    for (int dx = -1; dx <= 1; ++dx) {
      if (!x->Includes(dx)) continue;
      for (int dy = -1; dy <= 1; ++dy) {
        if (!y->Includes(dy)) continue;
        const auto found = m_heads.find({x->index + dx, y->index + dy});
        if (found == m_heads.end()) continue;
        for (int e = found->second; e >= 0; e = m_entries[e].next) visit(m_entries[e].id);
      }
    }
  }

 private:
  struct Cell {
    double ix;
    double iy;
    friend bool operator==(const Cell&, const Cell&) = default;
  };
  struct CellHash {
    std::size_t operator()(const Cell& cell) const;
  };
  // Along one axis: the query's cell index, and whether the query lies close
  // enough to the border below or above to visit that neighbour too.
  struct Span {
    double index;
    bool below;
    bool above;
    bool Includes(int offset) const { return offset == 0 || (offset < 0 ? below : above); }
  };

  std::optional<double> CellIndex(double coordinate) const;
  std::optional<Span> SpanOf(double coordinate) const;

  // An id stored in a cell, linked to the entry stored there before it.
  struct Entry {
    int id;
    int next;
  };

  double m_cellSize;
  // The newest entry of each cell that holds any.
  std::unordered_map<Cell, int, CellHash> m_heads;
  std::vector<Entry> m_entries;
};

}  // namespace kestrix

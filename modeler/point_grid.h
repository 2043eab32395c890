#pragma once

#include <cstddef>
#include <optional>
#include <unordered_map>
#include <vector>

#include "model_point.h"

namespace kestrix {

// A spatial hash of integer ids by position: square cells of a fixed size,
// keyed by the rounded-down quotients of the coordinates. Visiting the 3 x 3
// cells around a position reaches every id stored at less than a quarter cell
// from it, rounding of the quotients included. Non-finite positions are never
// stored and never near anything, as no distance to them is finite.
class PointGrid {
 public:
  explicit PointGrid(double cell_size) : cell_size_(cell_size) {}

  void Insert(ModelPosition p, int id);

  // Calls visit(id) for the ids in the cells around p; an id may be visited
  // twice where coordinates are too large for neighbouring cells to differ.
  template <typename Visit>
  void ForEachNear(ModelPosition p, Visit visit) const {
    const std::optional<Cell> centre = CellOf(p);
    if (!centre) return;
    for (double dx : {-1.0, 0.0, 1.0}) {
      for (double dy : {-1.0, 0.0, 1.0}) {
        const auto found = cells_.find({centre->ix + dx, centre->iy + dy});
        if (found == cells_.end()) continue;
        for (int id : found->second) visit(id);
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

  std::optional<Cell> CellOf(ModelPosition p) const;

  double cell_size_;
  std::unordered_map<Cell, std::vector<int>, CellHash> cells_;
};

}  // namespace kestrix

#include "point_grid.h"

#include <cmath>
#include <functional>

namespace kestrix {

std::size_t PointGrid::CellHash::operator()(const Cell& cell) const {
  const std::size_t hx = std::hash<double>{}(cell.ix);
  const std::size_t hy = std::hash<double>{}(cell.iy);
  return hx ^ (hy + 0x9e3779b97f4a7c15ULL + (hx << 6) + (hx >> 2));
}

void PointGrid::Insert(ModelPosition p, int id) {
  if (const std::optional<Cell> cell = CellOf(p)) cells_[*cell].push_back(id);
}

std::optional<PointGrid::Cell> PointGrid::CellOf(ModelPosition p) const {
  if (!std::isfinite(p.x) || !std::isfinite(p.y)) return std::nullopt;
  // Adding 0.0 turns -0.0 into 0.0, which hashes alike.
  return Cell{std::floor(p.x / cell_size_) + 0.0, std::floor(p.y / cell_size_) + 0.0};
}

}  // namespace kestrix

#include "quad_grid.h"

namespace kestrix {

namespace {

// Position at natural coordinates (xi, eta) in [-1, 1] of the bilinear map
// through the four corners.
ModelPosition MapNatural(const std::vector<ModelPoint>& p, double xi, double eta) {
  const double n1 = 0.25 * (1 - xi) * (1 - eta);
  const double n2 = 0.25 * (1 + xi) * (1 - eta);
  const double n3 = 0.25 * (1 + xi) * (1 + eta);
  const double n4 = 0.25 * (1 - xi) * (1 + eta);
  return {n1 * p[0].x + n2 * p[1].x + n3 * p[2].x + n4 * p[3].x,
          n1 * p[0].y + n2 * p[1].y + n3 * p[2].y + n4 * p[3].y};
}

}  // namespace

std::vector<ModelPoint> MapGridPoints(const std::vector<ModelPoint>& corners, int LN, int WN) {
  const double half_ln = LN / 2.0;
  const double half_wn = WN / 2.0;
  std::vector<ModelPoint> grid;
  grid.reserve(static_cast<std::size_t>(LN + 1) * (WN + 1));
  for (int r = 0; r <= WN; ++r) {
    const double eta = (r - half_wn) / half_wn;
    for (int c = 0; c <= LN; ++c) {
      const double xi = (c - half_ln) / half_ln;
      const ModelPosition p = MapNatural(corners, xi, eta);
      grid.push_back({.x = p.x, .y = p.y, .number = static_cast<int>(grid.size())});
    }
  }
  return grid;
}

std::vector<ElementOutline> GridOutlines(const std::vector<ModelPoint>& grid, int LN, int WN) {
  const auto at = [&](int r, int c) { return grid[static_cast<std::size_t>(r) * (LN + 1) + c]; };
  std::vector<ElementOutline> outlines;
  outlines.reserve(static_cast<std::size_t>(LN) * WN);
  for (int r = 0; r < WN; ++r) {
    for (int c = 0; c < LN; ++c) {
      outlines.push_back({.vertices = {at(r, c), at(r, c + 1), at(r + 1, c + 1), at(r + 1, c)}});
    }
  }
  return outlines;
}

}  // namespace kestrix

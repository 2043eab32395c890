#pragma once

#include <vector>

#include "element_outline.h"
#include "model_point.h"

namespace kestrix {

// The grid points of a four-vertex polygon divided into LN parts from vertex 1
// to vertex 2 and WN parts from vertex 1 to vertex 4, by bilinear mapping of a
// regular grid: row r (0 ... WN), column c (0 ... LN) at index r(LN + 1) + c,
// each numbered with its index. Row 0 runs from vertex 1 to vertex 2.
std::vector<ModelPoint> MapGridPoints(const std::vector<ModelPoint>& corners, int LN, int WN);

// The LN x WN element outlines over such a grid, element (r, c) at index
// r LN + c with corners (r, c), (r, c + 1), (r + 1, c + 1), (r + 1, c): counter-
// clockwise whenever the polygon's vertices are.
std::vector<ElementOutline> GridOutlines(const std::vector<ModelPoint>& grid, int LN, int WN);

}  // namespace kestrix

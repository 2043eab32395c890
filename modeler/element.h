#pragma once

#include <array>

namespace kestrix {

inline constexpr int kNodesPerElement = 4;

// One row of the connectivity table: the node numbers of an element's corners
// in connectivity order (counter-clockwise when its polygon was).
using Element = std::array<int, kNodesPerElement>;

}  // namespace kestrix

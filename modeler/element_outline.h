#pragma once

#include <array>

#include "element.h"
#include "model_point.h"

namespace kestrix {

// The geometric form of one element: its corners in connectivity order, each
// numbered with its global node number but keeping the coordinates computed
// for its own polygon.
struct ElementOutline {
  std::array<ModelPoint, kNodesPerElement> vertices;
  bool selected = false;

  static constexpr int vertexCount() { return kNodesPerElement; }

  // The element's row of the connectivity table: its corners' node numbers.
  Element NodeNumbers() const {
    Element nodes{};
    for (int k = 0; k < kNodesPerElement; ++k) nodes[k] = vertices[k].number;
    return nodes;
  }
};

}  // namespace kestrix

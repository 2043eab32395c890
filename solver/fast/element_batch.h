#pragma once
// The upper triangles of the stiffness matrices of several elements at once,
// one element per vector lane, each with the very bits that ElementStiffness
// gives for that element alone.

#include "method/element.h"

namespace solvane {

inline constexpr int kElementBatchLanes = 4;

// For every lane l, the entries on and above the diagonal of *ke[l] receive
// the bits that ElementStiffness(corners[l], D, thick, ...) writes there, NaNs
// as NaNs; the entries below it are left as they are.
void UpperStiffnessBatch(const CornerCoords corners[kElementBatchLanes], const DMatrix D, double thick,
                         ElementMatrix* const ke[kElementBatchLanes]);

}  // namespace solvane

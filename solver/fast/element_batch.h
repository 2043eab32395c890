#pragma once
// The stiffness matrices of several elements at once, one element per vector
// lane, each the very matrix ElementStiffness gives for that element alone.

#include "method/element.h"

namespace solvane {

// Elements computed together; a count that is no multiple of it leaves a
// remainder for ElementStiffness.
inline constexpr int kElementBatchLanes = 4;

// For every lane l, *ke[l] receives the bits that
// ElementStiffness(corners[l], D, thick, part, *ke[l]) writes, NaNs as NaNs.
void ElementStiffnessBatch(const CornerCoords corners[kElementBatchLanes], const DMatrix D, double thick,
                           StiffnessPart part, ElementMatrix* const ke[kElementBatchLanes]);

}  // namespace solvane

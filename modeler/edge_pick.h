#pragma once

#include "positions.h"

namespace kestrix {

// Whether a click picks the on-screen edge from e1 to e2: the click lies within
// 5 pixels of the edge's line (at most 5 for an edge that is horizontal on
// screen) and the foot of its perpendicular falls strictly inside the edge.
bool ClickPicksEdge(ScreenPoint click, ScreenPoint e1, ScreenPoint e2);

}  // namespace kestrix

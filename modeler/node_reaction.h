#pragma once

namespace kestrix {

// The force that the supports exert on one fixed node after a solve; a
// direction that no constraint fixes has 0.
struct NodeReaction {
  int node = 0;
  double RX = 0.0;
  double RY = 0.0;
};

}  // namespace kestrix

#pragma once

#include "model_point.h"

namespace kestrix {

// A concentrated force on one node, in model axes.
struct NodalForce {
  ModelPoint point;
  double Fx = 0.0;
  double Fy = 0.0;
  bool selected = false;
};

}  // namespace kestrix

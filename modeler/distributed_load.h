#pragma once

#include "model_point.h"

namespace kestrix {

// A load along one element edge, varying linearly from qi at end i to qj at end j.
struct DistributedLoad {
  ModelPoint endI;
  ModelPoint endJ;
  double qi = 0.0;
  double qj = 0.0;
  bool selected = false;
};

}  // namespace kestrix

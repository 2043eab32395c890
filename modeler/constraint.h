#pragma once

#include "model_point.h"

namespace kestrix {

// Fixed displacement directions of one node; a direction is fixed when its
// flag is non-zero (a model file may hold values other than 1).
struct Constraint {
  int UX = 0;
  int UY = 0;
  ModelPoint point;
};

}  // namespace kestrix

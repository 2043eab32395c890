#pragma once

#include "positions.h"

namespace kestrix {

// The mapping between model coordinates and client pixels that the model
// converts pick positions through. The view implements it.
class ScreenMapping {
 public:
  virtual ~ScreenMapping() = default;

  virtual ScreenPoint ModelToScreen(double x, double y) const = 0;
  virtual ModelPosition ModelFromScreen(int px, int py) const = 0;
};

}  // namespace kestrix

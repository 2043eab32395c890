#pragma once
// What the main window's paint shows, as the View menu and the deformed-shape
// dialog set it.

#include <optional>

#include "canvas.h"

namespace kestrix {

struct DisplayOptions {
  bool showStructure = true;
  bool showDeformed = false;
  bool nodeNumbers = false;
  bool elementNumbers = false;
  // The support reactions as arrows at the fixed nodes of the deformed mesh.
  bool reactionArrows = false;
  // 0 black, 1 white.
  int backgroundIndex = 0;
  // The user's own deformation scale; the automatic one while empty.
  std::optional<double> deformationScale;

  Rgb Background() const { return backgroundIndex == 0 ? Rgb{0, 0, 0} : Rgb{255, 255, 255}; }
  bool WhiteBackground() const { return backgroundIndex == 1; }
};

}  // namespace kestrix

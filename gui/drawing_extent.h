#pragma once
// The extent of what the main window draws, for fitting the view to it: the
// structure with its load symbols when shown, and the deformed mesh when shown.

#include "bounding_box.h"
#include "display_options.h"
#include "model.h"

namespace kestrix {

// The model box of nodes, points, polygons, the mesh, force arrows and
// edge-load diagrams (when the structure is shown) and of the deformed mesh
// with its reaction arrows (when shown after a solve), widened so that,
// fitted into a client area of `width` × `height` pixels, the symbols of a
// fixed size on screen (constraints, arrowheads) stay inside it too; the
// degenerate box of an empty model is widened first.
BoundingBox FitBox(const Model& model, const DisplayOptions& display, int width, int height);

}  // namespace kestrix

#pragma once
// Node and element numbers, one fifth of the average element edge high on
// screen, so that they grow with zoom.

#include "model.h"
#include "model_plotter.h"

namespace kestrix {

// Each node's index with its top-left corner at the node's pixel.
void DrawNodeNumbers(const ModelPlotter& plotter, const Model& model);

// Each element's index centred on the mean of its corner nodes.
void DrawElementNumbers(const ModelPlotter& plotter, const Model& model);

}  // namespace kestrix

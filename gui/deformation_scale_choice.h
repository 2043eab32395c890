#pragma once
// The factor the deformed mesh is drawn with: the automatic one, which shows
// the largest displacement component as a tenth of the model size, or the
// user's own from the deformed-shape dialog.

#include "display_options.h"
#include "model.h"

namespace kestrix {

double ShownDeformationScale(const Model& model, const DisplayOptions& display);

}  // namespace kestrix

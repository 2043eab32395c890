#include "deformation_scale_choice.h"

#include "deformed_shape.h"

namespace kestrix {

double ShownDeformationScale(const Model& model, const DisplayOptions& display) {
  return display.deformationScale ? *display.deformationScale : DeformationScale(model);
}

}  // namespace kestrix

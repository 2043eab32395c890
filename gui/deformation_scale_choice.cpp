#include "deformation_scale_choice.h"

#include "deformed_shape.h"

namespace kestrix {
namespace {

constexpr std::string_view kBlanks = " \t";

}  // namespace

double ShownDeformationScale(const Model& model, const DisplayOptions& display) {
  return display.deformationScale ? *display.deformationScale : DeformationScale(model);
}

bool IsBlankField(std::string_view text) {
  return text.find_first_not_of(kBlanks) == std::string_view::npos;
}

}  // namespace kestrix

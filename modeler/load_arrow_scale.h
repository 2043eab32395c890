#pragma once

#include <optional>

#include "bounding_box.h"

namespace kestrix {

// Model length per unit of load that draws the largest load component one
// tenth of the box's larger extent long; none when that component is below
// 1e-10 and would blow the arrows up.
std::optional<double> LoadArrowScale(double largest_component, const BoundingBox& box);

}  // namespace kestrix

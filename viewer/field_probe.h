#pragma once
// The field at a point of the drawn mesh, for the status bar: the element
// under the point, the value interpolated there as the picture shows it, and
// the point's position on the undeformed model.

#include <optional>
#include <vector>

#include "contour_mesh.h"

namespace ambrel {

struct FieldProbe {
  int element = 0;
  double value = 0.0;
  ModelPosition position;  // on the undeformed model
};

// `drawn` are the node positions as drawn (deformed or not), `original` those
// of the model; the first element that holds the point answers. Nothing when
// the point lies outside every element.
std::optional<FieldProbe> ProbeField(const std::vector<ModelPosition>& drawn,
                                     const std::vector<ModelPosition>& original,
                                     const std::vector<ElementNodes>& elements,
                                     const std::vector<double>& values, ModelPosition point);

}  // namespace ambrel

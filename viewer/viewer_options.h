#pragma once
// What the user has chosen to see; kept when the results are read again.

#include "band_scale.h"
#include "colour_map.h"
#include "stress_component.h"

namespace ambrel {

struct ViewerOptions {
  StressComponent component = StressComponent::SE;
  ColourMapKind colourMap = ColourMapKind::BlueToRed;
  LegendSettings legend;
  bool meshLines = true;
  // Drawn deformed when there are displacements to draw.
  bool deformedShape = true;
  // Times the deformation scale that Kestrix uses.
  double deformationFactor = 1.0;
  // The outline of the undeformed mesh under a deformed shape.
  bool undeformedOutline = true;
};

}  // namespace ambrel

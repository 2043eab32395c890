#pragma once
// The legend beside the plot: the component's name, the field's range, and
// one swatch per band from the highest at the top, with the band limits
// between them in the solver's six-digit text. A uniform field shows one
// swatch and says so; values beyond limits set by the user get swatches of
// their own above and below the bands.

#include "band_scale.h"
#include "colour_map.h"
#include "nodal_field.h"
#include "picture_canvas.h"
#include "stress_component.h"

namespace ambrel {

// The width of the legend's strip at the right of the picture.
inline constexpr int kColourBarWidth = 200;

struct ColourBarContent {
  StressComponent component = StressComponent::SE;
  FieldExtremes extremes;
  BandScale scale;
  ColourMapKind colourMap = ColourMapKind::BlueToRed;
  bool limitsSetByUser = false;
};

void DrawColourBar(Canvas& canvas, const PixelRect& area, const ColourBarContent& content);

}  // namespace ambrel

#pragma once
// The colour maps of the bands: the blue-to-red scale that engineers expect,
// and viridis, ordered by perceived lightness and readable in grey print and
// by the colour-blind. Values beyond limits set by the user get colours of
// their own that neither map uses.

#include <string_view>

#include "rgb.h"

namespace ambrel {

enum class ColourMapKind { BlueToRed, Viridis };

inline constexpr ColourMapKind kAllColourMaps[] = {ColourMapKind::BlueToRed,
                                                   ColourMapKind::Viridis};

std::string_view ColourMapTitle(ColourMapKind kind);

// The map's colour at s from 0 (lowest) to 1 (highest).
Rgb MapColour(ColourMapKind kind, double s);

// The colour of band `band` of `count`, 0 the lowest: the ends of the map for
// the lowest and the highest band, its middle when there is only one.
Rgb BandColour(ColourMapKind kind, int band, int count);

inline constexpr Rgb kBelowRangeColour{150, 150, 150};
inline constexpr Rgb kAboveRangeColour{255, 0, 255};

}  // namespace ambrel

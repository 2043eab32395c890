#pragma once
// The colours and pens of the picture around the bands, in one place.

#include "picture_canvas.h"

namespace ambrel {

inline constexpr Rgb kBackgroundColour{255, 255, 255};
inline constexpr Rgb kTextColour{20, 20, 20};
inline constexpr Rgb kErrorTextColour{180, 0, 0};
inline constexpr Rgb kLabelFillColour{255, 255, 255};

inline const Pen kMeshPen{{40, 40, 40}, 1.0, false};
inline const Pen kMeshOutlinePen{{0, 0, 0}, 1.5, false};
inline const Pen kUndeformedOutlinePen{{90, 90, 90}, 1.0, true};
inline const Pen kFramePen{{60, 60, 60}, 1.0, false};
inline const Pen kMarkerPen{{0, 0, 0}, 1.5, false};

// Mesh lines closer than this many pixels on average would bury the colours.
inline constexpr double kMinMeshLineSpacing = 4.0;

}  // namespace ambrel

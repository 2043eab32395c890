#pragma once
// How the field is interpolated inside an element, the same for the picture
// and for the value under the cursor: the element is cut into four triangles
// that meet at its centre, the mean of its corners, which carries the mean of
// their values; inside each triangle the value is linear. This is exact at
// the nodes, gives the bilinear value at the centre, and reproduces a field
// that is linear in x and y exactly everywhere.

#include <array>

namespace ambrel {

inline constexpr int kTrianglesPerElement = 4;

// The mean of four corners of any type with members x and y.
template <typename Point>
Point CentreOf(const std::array<Point, 4>& corners) {
  Point centre = corners[0];
  centre.x = (corners[0].x + corners[1].x + corners[2].x + corners[3].x) * 0.25;
  centre.y = (corners[0].y + corners[1].y + corners[2].y + corners[3].y) * 0.25;
  return centre;
}

inline double CentreOf(const std::array<double, 4>& values) {
  return (values[0] + values[1] + values[2] + values[3]) * 0.25;
}

}  // namespace ambrel

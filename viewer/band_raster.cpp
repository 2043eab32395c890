#include "band_raster.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "element_split.h"

namespace ambrel {

BandColours::BandColours(const BandScale& scale, ColourMapKind map) : scale_(scale) {
  const int count = scale.Count();
  const Rgb lowest = BandColour(map, 0, count);
  const Rgb highest = BandColour(map, count - 1, count);
  packed_.push_back(Packed(scale.HasValuesBelow() ? kBelowRangeColour : lowest));
  for (int band = 0; band < count; ++band) packed_.push_back(Packed(BandColour(map, band, count)));
  packed_.push_back(Packed(scale.HasValuesAbove() ? kAboveRangeColour : highest));
}

namespace {

struct Vertex {
  double x = 0.0;
  double y = 0.0;
  double t = 0.0;  // band coordinate
};

// Ascending y, then ascending x: the one order in which every triangle
// takes the ends of a side.
bool Before(const Vertex& p, const Vertex& q) { return p.y < q.y || (p.y == q.y && p.x < q.x); }

// Where the side from p to q (p before q, at different heights) crosses the row at height y.
double SideX(const Vertex& p, const Vertex& q, double y) {
  return p.x + (y - p.y) * (q.x - p.x) / (q.y - p.y);
}

// The first pixel index whose centre is at or after `position`, kept within [0, limit].
int FirstCentreFrom(double position, int limit) {
  return static_cast<int>(std::clamp(std::ceil(position - 0.5), 0.0, static_cast<double>(limit)));
}

void FillTriangle(Vertex a, Vertex b, Vertex c, const BandColours& colours, PixelImage& image) {
  if (Before(b, a)) std::swap(a, b);
  if (Before(c, b)) std::swap(b, c);
  if (Before(b, a)) std::swap(a, b);
  // Rows whose centres lie in [a.y, c.y); in each, pixels whose centres lie
  // in [left side, right side). The tiny triangles of a large mesh seen
  // whole often hold no pixel centre at all.
  const int firstRow = FirstCentreFrom(a.y, image.height);
  const int endRow = FirstCentreFrom(c.y, image.height);
  if (firstRow >= endRow) return;
  const double det = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
  if (det == 0.0) return;
  const double dtdx = ((b.t - a.t) * (c.y - a.y) - (c.t - a.t) * (b.y - a.y)) / det;
  const double dtdy = ((c.t - a.t) * (b.x - a.x) - (b.t - a.t) * (c.x - a.x)) / det;
  for (int row = firstRow; row < endRow; ++row) {
    const double y = row + 0.5;
    const double longSide = SideX(a, c, y);
    const double shortSide = y < b.y ? SideX(a, b, y) : SideX(b, c, y);
    const int first = FirstCentreFrom(std::min(longSide, shortSide), image.width);
    const int end = FirstCentreFrom(std::max(longSide, shortSide), image.width);
    std::uint32_t* pixel = image.Row(row);
    double t = a.t + (first + 0.5 - a.x) * dtdx + (y - a.y) * dtdy;
    for (int x = first; x < end; ++x, t += dtdx) pixel[x] = colours.At(t);
  }
}

bool OutsideImage(const std::array<Vertex, 4>& corners, const PixelImage& image) {
  const auto [xmin, xmax] = std::minmax({corners[0].x, corners[1].x, corners[2].x, corners[3].x});
  const auto [ymin, ymax] = std::minmax({corners[0].y, corners[1].y, corners[2].y, corners[3].y});
  return xmax < 0.0 || ymax < 0.0 || xmin > image.width || ymin > image.height;
}

}  // namespace

void RasteriseBands(const std::vector<PixelPoint>& pixels, const std::vector<double>& coordinates,
                    const std::vector<ElementNodes>& elements, const BandColours& colours,
                    PixelImage& image) {
  for (const ElementNodes& nodes : elements) {
    std::array<Vertex, 4> corners;
    for (int k = 0; k < 4; ++k) {
      corners[k] = {pixels[nodes[k]].x, pixels[nodes[k]].y, coordinates[nodes[k]]};
    }
    if (OutsideImage(corners, image)) continue;
    Vertex centre = CentreOf(corners);
    centre.t = CentreOf(std::array{corners[0].t, corners[1].t, corners[2].t, corners[3].t});
    for (int k = 0; k < kTrianglesPerElement; ++k) {
      FillTriangle(corners[k], corners[(k + 1) % 4], centre, colours, image);
    }
  }
}

}  // namespace ambrel

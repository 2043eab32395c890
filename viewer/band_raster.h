#pragma once
// Rasterises the banded field into a pixel image: each element as the four
// triangles of element_split.h, the band coordinate interpolated linearly
// across each triangle at the pixel centres, and each pixel given the flat
// colour of its band. Neighbouring triangles compute their shared side from
// the same two ends in the same order, so every pixel centre inside the mesh
// is painted exactly once, without gaps along the sides.

#include <cstdint>
#include <vector>

#include "band_scale.h"
#include "colour_map.h"
#include "contour_mesh.h"
#include "pixel_image.h"
#include "plot_view.h"

namespace ambrel {

// The packed colour of every band coordinate, looked up once per pixel.
class BandColours {
 public:
  // Beyond the limits the out-of-range colours, where the field has values
  // there; otherwise the end bands, so rounding at a limit never shows.
  BandColours(const BandScale& scale, ColourMapKind map);

  std::uint32_t At(double coordinate) const { return packed_[scale_.BandAt(coordinate) + 1]; }

 private:
  BandScale scale_;
  std::vector<std::uint32_t> packed_;  // below, the bands from the lowest, above
};

// `pixels` are the node positions in pixels of the image, `coordinates` the
// nodes' band coordinates (BandScale::Coordinate of their values).
void RasteriseBands(const std::vector<PixelPoint>& pixels, const std::vector<double>& coordinates,
                    const std::vector<ElementNodes>& elements, const BandColours& colours,
                    PixelImage& image);

}  // namespace ambrel

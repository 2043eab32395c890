// The legend's bands and their colours, and the field rasterised in them: a
// linear field shows its bands in order at the right places, a uniform one a
// single colour, and values beyond limits set by the user their own colours.

#include <gtest/gtest.h>

#include "band_raster.h"
#include "band_scale.h"
#include "colour_map.h"
#include "mesh_edges.h"
#include "nodal_field.h"
#include "viewer/result_texts.h"

namespace ambrel {
namespace {

FieldExtremes Range(double min, double max) { return {0, 1, min, max}; }

LegendSettings UserLimits(double lower, double upper, int bands) {
  return {false, lower, upper, bands};
}

// The field of a grid rasterised at `pixelsPerUnit`, the grid's lower-left
// corner at the image's lower-left corner.
PixelImage Rasterised(const test::Grid& grid, const test::StressAt& stress, int pixelsPerUnit,
                      const LegendSettings& legend = {}) {
  std::vector<NodalStress> stresses;
  std::vector<PixelPoint> pixels;
  for (int n = 0; n < grid.NodeCount(); ++n) {
    const ModelPosition p = grid.Node(n);
    stresses.push_back(stress(p));
    pixels.push_back({p.x * pixelsPerUnit, (grid.ny - p.y) * pixelsPerUnit});
  }
  std::vector<ElementNodes> elements;
  for (int j = 0; j < grid.ny; ++j) {
    for (int i = 0; i < grid.nx; ++i) {
      const int n = j * (grid.nx + 1) + i;
      elements.push_back({n, n + 1, n + grid.nx + 2, n + grid.nx + 1});
    }
  }
  const NodalField field = FieldOf(stresses, StressComponent::SE);
  const BandScale scale(field.extremes, legend);
  std::vector<double> coordinates;
  for (const double v : field.values) coordinates.push_back(scale.Coordinate(v));
  PixelImage image;
  image.Reset(grid.nx * pixelsPerUnit, grid.ny * pixelsPerUnit, {255, 255, 255});
  RasteriseBands(pixels, coordinates, elements, BandColours(scale, ColourMapKind::BlueToRed),
                 image);
  return image;
}

TEST(BandScale, CutsTheRangeIntoEqualBands) {
  const BandScale scale(Range(0, 12), LegendSettings{});
  ASSERT_EQ(scale.Count(), 12);
  for (int i = 0; i <= 12; ++i) EXPECT_EQ(scale.Limit(i), i);
  EXPECT_EQ(scale.BandAt(scale.Coordinate(0)), 0);
  EXPECT_EQ(scale.BandAt(scale.Coordinate(5.5)), 5);
  EXPECT_EQ(scale.BandAt(scale.Coordinate(6)), 6);
  EXPECT_EQ(scale.BandAt(scale.Coordinate(12)), 11);
}

TEST(BandScale, SymmetricRangeHasAnExactZeroLimit) {
  const BandScale scale(Range(-0.3, 0.3), LegendSettings{});
  EXPECT_EQ(scale.Limit(6), 0.0);
  EXPECT_EQ(scale.Limit(0), -0.3);
  EXPECT_EQ(scale.Limit(12), 0.3);
}

TEST(BandScale, UniformFieldIsOneBandWithoutDividingByZero) {
  const BandScale scale(Range(100, 100), LegendSettings{});
  EXPECT_TRUE(scale.Uniform());
  EXPECT_EQ(scale.Count(), 1);
  EXPECT_EQ(scale.BandAt(scale.Coordinate(100)), 0);
  EXPECT_EQ(scale.Limit(0), 100);
  EXPECT_EQ(scale.Limit(1), 100);
}

TEST(BandScale, UserLimitsLeaveValuesBeyondThemOutsideEveryBand) {
  const BandScale scale(Range(0, 20), UserLimits(5, 15, 10));
  EXPECT_TRUE(scale.HasValuesBelow());
  EXPECT_TRUE(scale.HasValuesAbove());
  EXPECT_EQ(scale.BandAt(scale.Coordinate(2)), -1);
  EXPECT_EQ(scale.BandAt(scale.Coordinate(5)), 0);
  EXPECT_EQ(scale.BandAt(scale.Coordinate(15)), 9);
  EXPECT_EQ(scale.BandAt(scale.Coordinate(18)), 10);

  const BandScale wide(Range(0, 20), UserLimits(-10, 30, 4));
  EXPECT_FALSE(wide.HasValuesBelow());
  EXPECT_FALSE(wide.HasValuesAbove());
}

TEST(LegendSettings, NamesWhatIsWrong) {
  EXPECT_FALSE(LegendSettingsProblem(LegendSettings{}));
  EXPECT_EQ(LegendSettingsProblem(UserLimits(5, 5, 12)),
            "The lower limit must be below the upper limit.");
  EXPECT_EQ(LegendSettingsProblem(UserLimits(0, 1, 1)),
            "The number of bands must be from 2 to 64.");
}

TEST(ColourMaps, RunFromTheirLowEndToTheirHighEnd) {
  EXPECT_EQ(BandColour(ColourMapKind::BlueToRed, 0, 12), (Rgb{0, 0, 255}));
  EXPECT_EQ(BandColour(ColourMapKind::BlueToRed, 11, 12), (Rgb{255, 0, 0}));
  EXPECT_EQ(MapColour(ColourMapKind::BlueToRed, 0.5), (Rgb{0, 255, 0}));
  EXPECT_EQ(BandColour(ColourMapKind::Viridis, 0, 12), (Rgb{68, 1, 84}));
  EXPECT_EQ(BandColour(ColourMapKind::Viridis, 11, 12), (Rgb{253, 231, 37}));
  // Viridis grows lighter band by band.
  const auto lightness = [](Rgb c) { return 299 * c.red + 587 * c.green + 114 * c.blue; };
  for (int band = 1; band < 12; ++band) {
    EXPECT_GT(lightness(BandColour(ColourMapKind::Viridis, band, 12)),
              lightness(BandColour(ColourMapKind::Viridis, band - 1, 12)));
  }
}

TEST(Raster, LinearFieldShowsItsBandsInOrderAtTheirPlaces) {
  // SE = x from 0 to 12: band k covers x in [k, k + 1), ten pixels wide.
  const PixelImage image = Rasterised({12, 2}, test::Linear, 10);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      ASSERT_EQ(image.At(x, y), BandColour(ColourMapKind::BlueToRed, x / 10, 12))
          << "pixel " << x << ", " << y;
    }
  }
}

TEST(Raster, UniformStretchIsOneColour) {
  const PixelImage image = Rasterised(
      {3, 2},
      [](ModelPosition) {
        return NodalStress{100, 0, 0, 100};
      },
      7);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      ASSERT_EQ(image.At(x, y), BandColour(ColourMapKind::BlueToRed, 0, 1));
    }
  }
}

TEST(Raster, ValuesBeyondUserLimitsGetTheirOwnColours) {
  const PixelImage image = Rasterised({12, 1}, test::Linear, 10, UserLimits(3, 9, 6));
  EXPECT_EQ(image.At(15, 5), kBelowRangeColour);
  EXPECT_EQ(image.At(35, 5), BandColour(ColourMapKind::BlueToRed, 0, 6));
  EXPECT_EQ(image.At(85, 5), BandColour(ColourMapKind::BlueToRed, 5, 6));
  EXPECT_EQ(image.At(105, 5), kAboveRangeColour);
}

TEST(MeshEdges, SharedSidesOnceAndTheOutlineApart) {
  // Two elements side by side share the side 1-4.
  const MeshEdges edges = EdgesOf({{0, 1, 4, 3}, {1, 2, 5, 4}});
  EXPECT_EQ(edges.all.size(), 7u);
  EXPECT_EQ(edges.boundary.size(), 6u);
  EXPECT_EQ(std::count(edges.boundary.begin(), edges.boundary.end(), MeshEdge{1, 4}), 0);
}

}  // namespace
}  // namespace ambrel

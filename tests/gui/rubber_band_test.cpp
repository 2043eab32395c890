#include "rubber_band.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "support/recording_canvas.h"

namespace kestrix {
namespace {

// The four sides from (x1, y1) round to (x1, y2) and back, each drawn with
// `pen` by inverting the pixels.
void ExpectInvertedOutline(const RecordingCanvas& canvas, const Pen& pen, int x1, int y1, int x2,
                           int y2) {
  const std::vector<CanvasCall> lines = canvas.Lines();
  ASSERT_EQ(lines.size(), 4u);
  const int expected[4][4] = {{x1, y1, x2, y1}, {x2, y1, x2, y2}, {x2, y2, x1, y2}, {x1, y2, x1, y1}};
  for (int side = 0; side < 4; ++side) {
    const CanvasCall& line = lines[side];
    EXPECT_EQ((std::array{line.x1, line.y1, line.x2, line.y2}),
              (std::array{expected[side][0], expected[side][1], expected[side][2],
                          expected[side][3]}));
    EXPECT_EQ(line.pen, pen);
    EXPECT_EQ(line.rasterMode, RasterMode::Invert);
  }
}

class RubberBands : public ::testing::Test {
 protected:
  RecordingCanvas canvas;
};

TEST_F(RubberBands, PickRectangleSpannedLeftwardsIsDashed) {
  DrawPickRect(canvas, 50, 10, 20, 40);
  ExpectInvertedOutline(canvas, Pen{Rgb{255, 0, 255}, 1, PenStyle::Dashed}, 50, 10, 20, 40);
}

TEST_F(RubberBands, PickRectangleSpannedRightwardsIsSolid) {
  DrawPickRect(canvas, 20, 40, 50, 10);
  ExpectInvertedOutline(canvas, Pen{Rgb{255, 0, 255}, 1, PenStyle::Solid}, 20, 40, 50, 10);
}

TEST_F(RubberBands, ZoomRectangleIsAlwaysSolidWhite) {
  DrawZoomRect(canvas, 50, 40, 20, 10);
  ExpectInvertedOutline(canvas, Pen{Rgb{255, 255, 255}, 1, PenStyle::Solid}, 50, 40, 20, 10);
}

TEST_F(RubberBands, PreviousRasterModeIsRestored) {
  DrawPickRect(canvas, 1, 2, 3, 4);
  EXPECT_EQ(canvas.GetRasterMode(), RasterMode::Copy);

  canvas.SetRasterMode(RasterMode::Invert);
  canvas.ClearCalls();
  DrawZoomRect(canvas, 1, 2, 3, 4);
  EXPECT_EQ(canvas.GetRasterMode(), RasterMode::Invert);
  EXPECT_EQ(canvas.Calls().back().op, CanvasOp::SetRasterMode);
}

}  // namespace
}  // namespace kestrix

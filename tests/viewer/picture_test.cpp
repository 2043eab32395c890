// What the picture shows besides the bands: the colour bar with its limits,
// name and range, the markers of the extremes, and the message when there is
// nothing to draw.

#include <gtest/gtest.h>

#include "colour_bar.h"
#include "decimal_text.h"
#include "support/scratch_folder.h"
#include "viewer/recording_canvas.h"
#include "viewer/result_texts.h"
#include "viewer_window.h"

namespace ambrel {
namespace {

using test_support::ScratchFolder;

ColourBarContent Bar(double min, double max, LegendSettings legend = {}) {
  const FieldExtremes extremes{0, 1, min, max};
  return {StressComponent::SE, extremes, BandScale(extremes, legend), ColourMapKind::BlueToRed,
          !legend.automatic};
}

std::vector<std::string> Drawn(const ColourBarContent& content) {
  test::RecordingCanvas canvas;
  DrawColourBar(canvas, {600, 0, kColourBarWidth, 600}, content);
  return canvas.Texts();
}

TEST(ColourBar, ShowsTheNameTheRangeAndThirteenLimitsForTwelveBands) {
  test::RecordingCanvas canvas;
  DrawColourBar(canvas, {600, 0, kColourBarWidth, 600}, Bar(-0.3, 1.2e6));
  std::vector<std::string> expected{"SE (von Mises)", "max 1.2e+06", "min -0.3"};
  const BandScale scale(FieldExtremes{0, 1, -0.3, 1.2e6}, LegendSettings{});
  for (int i = 0; i <= 12; ++i) expected.push_back(FormatReal(scale.Limit(i)));
  EXPECT_EQ(canvas.Texts(), expected);
  EXPECT_EQ(expected[4], "99999.7");  // six significant digits, as the solver writes

  // Twelve swatches, the highest band at the top.
  const std::vector<test::RecordedFill>& swatches = canvas.fills;
  ASSERT_EQ(swatches.size(), 12u);
  EXPECT_EQ(swatches.front().colour, BandColour(ColourMapKind::BlueToRed, 0, 12));
  EXPECT_GT(swatches.front().rect.y, swatches.back().rect.y);
}

TEST(ColourBar, SaysSoForAUniformField) {
  const auto texts = Drawn(Bar(100, 100));
  EXPECT_EQ(texts, (std::vector<std::string>{"SE (von Mises)", "max 100", "min 100", "100",
                                             "uniform field"}));
}

TEST(ColourBar, MarksValuesBeyondLimitsSetByTheUser) {
  const auto texts = Drawn(Bar(0, 20, {false, 5, 15, 2}));
  EXPECT_EQ(texts,
            (std::vector<std::string>{"SE (von Mises)", "max 20", "min 0", "limits set by user",
                                      "above", "5", "10", "15", "below"}));
}

class PictureTest : public ::testing::Test {
 protected:
  void Write(const test::Grid& grid, const test::StressAt& stress) {
    folder.Write("Node_Stress_ZelContour.txt", test::ContourText(grid, stress));
  }

  ScratchFolder folder;
  ViewerWindow window{folder.path()};
};

TEST_F(PictureTest, LabelsTheNodesWithTheMinimumAndTheMaximum) {
  Write({4, 2}, test::Linear);
  ASSERT_TRUE(window.Load());
  window.OnSize(800, 500);
  test::RecordingCanvas canvas;
  window.Paint(canvas);
  EXPECT_TRUE(canvas.HasText("max 4 (node 4)"));
  EXPECT_TRUE(canvas.HasText("min 0 (node 0)"));
  ASSERT_EQ(canvas.discs.size(), 2u);
  const PixelPoint node4 = window.view().ToPixel({4, 0});
  EXPECT_EQ(canvas.discs[0], node4);
}

TEST_F(PictureTest, ShowsWhyThereIsNothingToDraw) {
  window.Load();
  window.OnSize(800, 500);
  test::RecordingCanvas canvas;
  window.Paint(canvas);
  EXPECT_EQ(canvas.Texts(), std::vector<std::string>{window.Message()});
  EXPECT_EQ(window.Message(),
            (folder / "Node_Stress_ZelContour.txt").string() + ": there is no such file");
}

}  // namespace
}  // namespace ambrel

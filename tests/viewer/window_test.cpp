// The window's behaviour without a window: reading again when the solver
// rewrites the files, keeping a good picture over a half-written file, and
// the view's response to the wheel, drags and the cursor.

#include <gtest/gtest.h>

#include <chrono>

#include "support/scratch_folder.h"
#include "viewer/result_texts.h"
#include "viewer_window.h"

namespace ambrel {
namespace {

using test_support::ScratchFolder;

class ViewerWindowTest : public ::testing::Test {
 protected:
  // Writes the contour file as a new version: its time of change moves on
  // by a second each time, as a new solve's would.
  void WriteContour(const std::string& text) {
    const auto path = folder.Write("Node_Stress_ZelContour.txt", text);
    static auto time = std::filesystem::file_time_type::clock::now();
    time += std::chrono::seconds(1);
    std::filesystem::last_write_time(path, time);
  }

  ScratchFolder folder;
  ViewerWindow window{folder.path()};
  const test::Grid grid{4, 2};
};

NodalStress Doubled(ModelPosition p) { return {2 * p.x, p.y, 0, 2 * p.x}; }

TEST_F(ViewerWindowTest, ReadsTheNewResultsWhenTheSolverRewritesThem) {
  WriteContour(test::ContourText(grid, test::Linear));
  ASSERT_TRUE(window.Load());
  EXPECT_EQ(window.OnFilesChanged(), AfterChange::Done);
  EXPECT_EQ(window.field().extremes.max, 4);

  WriteContour(test::ContourText(grid, Doubled));
  EXPECT_EQ(window.OnFilesChanged(), AfterChange::Done);
  EXPECT_EQ(window.field().extremes.max, 8);
  EXPECT_EQ(window.Message(), "");
}

TEST_F(ViewerWindowTest, KeepsTheGoodPictureWhileTheFileIsHalfWritten) {
  WriteContour(test::ContourText(grid, test::Linear));
  ASSERT_TRUE(window.Load());
  const std::string whole = test::ContourText(grid, Doubled);
  WriteContour(whole.substr(0, whole.size() / 2));
  EXPECT_EQ(window.OnFilesChanged(), AfterChange::RetrySoon);
  EXPECT_EQ(window.field().extremes.max, 4);
  EXPECT_EQ(window.Message(), "");

  WriteContour(whole);
  EXPECT_EQ(window.OnFilesChanged(), AfterChange::Done);
  EXPECT_EQ(window.field().extremes.max, 8);
}

TEST_F(ViewerWindowTest, NamesTheFileAndLineOnceTheRetriesAreSpent) {
  WriteContour(test::ContourText(grid, test::Linear));
  ASSERT_TRUE(window.Load());
  WriteContour("NPOIN=15\nNELEM=8\n0,0,1,1,1\n");
  int retries = 0;
  while (window.OnFilesChanged() == AfterChange::RetrySoon) ++retries;
  EXPECT_EQ(retries, kMaxRetries - 1);
  EXPECT_EQ(window.Message(), (folder / "Node_Stress_ZelContour.txt").string() +
                                  ", line 3: the file ends here, before the NPOIN + NELEM = 23 "
                                  "rows are complete (the picture shows the results read before)");
  EXPECT_TRUE(window.HasPicture());
  EXPECT_EQ(window.field().extremes.max, 4);
  // The same broken file is not tried again; a new one is.
  EXPECT_EQ(window.OnFilesChanged(), AfterChange::Done);
  WriteContour(test::ContourText(grid, Doubled));
  EXPECT_EQ(window.OnFilesChanged(), AfterChange::Done);
  EXPECT_EQ(window.Message(), "");
}

TEST_F(ViewerWindowTest, ShowsTheResultsOnceTheMissingFileArrives) {
  EXPECT_FALSE(window.Load());
  EXPECT_FALSE(window.HasPicture());
  EXPECT_EQ(window.OnFilesChanged(), AfterChange::Done);
  WriteContour(test::ContourText(grid, test::Linear));
  EXPECT_EQ(window.OnFilesChanged(), AfterChange::Done);
  EXPECT_TRUE(window.HasPicture());
  EXPECT_EQ(window.Message(), "");
}

TEST_F(ViewerWindowTest, WheelZoomsAboutTheCursorAndDraggingPans) {
  WriteContour(test::ContourText(grid, test::Linear));
  ASSERT_TRUE(window.Load());
  window.OnSize(600, 400);
  const ModelPosition under = window.view().ToModel({150.5, 100.5});
  const double scale = window.view().Scale();
  window.OnWheel(150, 100, 240);
  EXPECT_DOUBLE_EQ(window.view().Scale(), scale * 1.25 * 1.25);
  EXPECT_NEAR(window.view().ToModel({150.5, 100.5}).x, under.x, 1e-12);
  EXPECT_NEAR(window.view().ToModel({150.5, 100.5}).y, under.y, 1e-12);

  const PixelPoint before = window.view().ToPixel({1, 1});
  window.OnButtonDown(10, 10);
  window.OnMouseMove(40, 30);
  window.OnButtonUp();
  window.OnMouseMove(50, 50);
  EXPECT_EQ(window.view().ToPixel({1, 1}), (PixelPoint{before.x + 30, before.y + 20}));

  window.Fit();
  EXPECT_DOUBLE_EQ(window.view().Scale(), scale);
  // Endless wheel steps stop at a million times the fitted scale.
  for (int step = 0; step < 200; ++step) window.OnWheel(300, 200, 120);
  EXPECT_LE(window.view().Scale(), scale * 1e6);
  EXPECT_GT(window.view().Scale(), scale * 1e6 / 1.25);
}

TEST_F(ViewerWindowTest, StatusShowsTheElementPositionAndValueUnderTheCursor) {
  WriteContour(test::ContourText(grid, test::Linear));
  ASSERT_TRUE(window.Load());
  window.OnSize(600, 400);
  const PixelPoint at = window.view().ToPixel({1.5, 0.5});
  window.OnMouseMove(static_cast<int>(at.x), static_cast<int>(at.y));
  const ModelPosition cursor =
      window.view().ToModel({static_cast<int>(at.x) + 0.5, static_cast<int>(at.y) + 0.5});
  EXPECT_EQ(window.CursorText(), "Element 1   x " + FormatReal(cursor.x) + "   y " +
                                     FormatReal(cursor.y) + "   SE " + FormatReal(cursor.x));
  window.SetComponent(StressComponent::SY);
  EXPECT_EQ(window.CursorText().substr(window.CursorText().find("SY")),
            "SY " + FormatReal(cursor.y));
}

TEST_F(ViewerWindowTest, AnotherComponentBringsBackTheAutomaticLimits) {
  WriteContour(test::ContourText(grid, test::Linear));
  ASSERT_TRUE(window.Load());
  window.SetLegend({false, 1, 3, 8});
  EXPECT_EQ(window.scale().Upper(), 3);
  window.SetComponent(StressComponent::SE);
  EXPECT_EQ(window.scale().Upper(), 3);
  window.SetComponent(StressComponent::SX);
  EXPECT_TRUE(window.options().legend.automatic);
  EXPECT_EQ(window.scale().Upper(), 4);
  EXPECT_EQ(window.scale().Count(), 8);
}

TEST_F(ViewerWindowTest, DrawsTheDeformedShapeAsKestrixScalesIt) {
  WriteContour(test::ContourText(grid, test::Linear));
  folder.Write("Node_Dis.txt", test::DisplacementText(grid.NodeCount(), {0.001, -0.002}));
  ASSERT_TRUE(window.Load());
  // 0.1 × the longer side 4 / the largest component 0.002.
  EXPECT_EQ(window.Summary(), "15 nodes, 8 elements, deformed × 200");
  window.SetDeformationFactor(2.5);
  EXPECT_EQ(window.Summary(), "15 nodes, 8 elements, deformed × 500");
  window.SetDeformedShape(false);
  EXPECT_EQ(window.Summary(), "15 nodes, 8 elements");

  folder.Write("Node_Dis.txt", test::DisplacementText(grid.NodeCount(), {0, 0}));
  window.SetDeformedShape(true);
  ASSERT_TRUE(window.Load());
  EXPECT_EQ(window.Summary(), "15 nodes, 8 elements, displacements all zero: undeformed");
}

}  // namespace
}  // namespace ambrel

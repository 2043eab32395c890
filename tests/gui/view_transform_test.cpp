#include "view_transform.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <vector>


namespace kestrix {
namespace {

// A 200 × 200 client framing a box twice as wide as high, centred on (2, 1).
ViewTransform SquareClientWithWideBox() {
  ViewTransform view;
  view.SetWindow(200, 200, 0.0, 4.0, 0.0, 2.0);
  return view;
}

// The same view with an exact scale, keeping the centre at the origin pixel.
ViewTransform SquareClientAtScale(double scale) {
  ViewTransform view = SquareClientWithWideBox();
  view.ZoomAt(view.originX(), view.originY(), scale);
  return view;
}

TEST(ViewFitting, WideBoxFillsNinetyFivePercentOfTheWidthAndIsCentred) {
  const ViewTransform view = SquareClientWithWideBox();
  EXPECT_DOUBLE_EQ(view.scale(), 0.95 * 200.0 / 4.0);
  EXPECT_EQ(view.ModelToScreen(2.0, 1.0), (ScreenPoint{100, 100}));
  EXPECT_EQ(view.width(), 200);
  EXPECT_EQ(view.height(), 200);
}

TEST(ViewFitting, OddClientSizeTruncatesTheOrigin) {
  ViewTransform view;
  view.SetWindow(201, 99, -1.0, 1.0, -1.0, 1.0);
  EXPECT_EQ(view.originX(), 100);
  EXPECT_EQ(view.originY(), 49);
}

TEST(ViewFitting, BoxFlatInOneDirectionIsFramedByTheOther) {
  ViewTransform view;
  view.SetWindow(200, 100, 0.0, 0.0, -1.0, 1.0);
  EXPECT_DOUBLE_EQ(view.scale(), 0.95 * 100.0 / 2.0);
}

TEST(ViewFitting, AllZeroBoxGetsAFiniteFallbackScale) {
  ViewTransform view;
  view.SetWindow(200, 100, 0.0, 0.0, 0.0, 0.0);
  EXPECT_EQ(view.scale(), 1.0);
  EXPECT_EQ(view.ModelToScreen(0.0, 0.0), (ScreenPoint{100, 50}));
  EXPECT_EQ(view.ModelToScreen(3.0, 2.0), (ScreenPoint{103, 48}));
}

TEST(ViewFitting, MinimisedWindowKeepsConversionsFinite) {
  ViewTransform view;
  view.SetWindow(0, 0, 0.0, 4.0, 0.0, 2.0);
  EXPECT_EQ(view.scale(), 1.0);
  const ModelPosition p = view.ModelFromScreen(10, 10);
  EXPECT_TRUE(std::isfinite(p.x));
  EXPECT_TRUE(std::isfinite(p.y));
}

TEST(ViewFitting, RefittingDiscardsPanAndZoom) {
  ViewTransform view = SquareClientWithWideBox();
  view.Pan(30, -40);
  view.ZoomAt(10, 10, 500.0);
  view.FitToBox();
  EXPECT_DOUBLE_EQ(view.scale(), 47.5);
  EXPECT_EQ(view.ModelToScreen(2.0, 1.0), (ScreenPoint{100, 100}));
}

TEST(ViewMapping, ModelYGrowsUpwardsOnScreen) {
  const ViewTransform view = SquareClientAtScale(10.0);
  EXPECT_EQ(view.ModelToScreen(2.0, 2.0), (ScreenPoint{100, 90}));
  EXPECT_EQ(view.ModelToScreen(3.0, 1.0), (ScreenPoint{110, 100}));
}

TEST(ViewMapping, OffsetsTruncateTowardZeroOnBothSidesOfTheCentre) {
  const ViewTransform view = SquareClientAtScale(1.0);
  EXPECT_EQ(view.ModelToScreen(2.7, 1.0).x, 100);
  EXPECT_EQ(view.ModelToScreen(1.3, 1.0).x, 100);
  EXPECT_EQ(view.ModelToScreen(0.3, 1.0).x, 99);
  EXPECT_EQ(view.ModelToScreen(2.0, 1.7).y, 100);
  EXPECT_EQ(view.ModelToScreen(2.0, 0.3).y, 100);
  EXPECT_EQ(view.ModelToScreen(2.0, -0.7).y, 101);
}

TEST(ViewMapping, FarAndNonFiniteCoordinatesStayOffScreenWithoutOverflow) {
  const ViewTransform view = SquareClientAtScale(1.0e6);
  const ScreenPoint far = view.ModelToScreen(1.0e300, -1.0e300);
  EXPECT_GT(far.x, 200);
  EXPECT_GT(far.y, 200);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(view.ModelToScreen(nan, nan), (ScreenPoint{100, 100}));
}

TEST(ViewMapping, ScreenToModelInvertsModelToScreenOnWholePixels) {
  const ViewTransform view = SquareClientAtScale(10.0);
  const ModelPosition p = view.ModelFromScreen(130, 80);
  EXPECT_DOUBLE_EQ(p.x, 5.0);
  EXPECT_DOUBLE_EQ(p.y, 3.0);
  EXPECT_EQ(view.ModelToScreen(p.x, p.y), (ScreenPoint{130, 80}));
}

TEST(ViewPanning, PictureFollowsTheMouse) {
  ViewTransform view = SquareClientAtScale(10.0);
  view.Pan(15, -5);
  EXPECT_EQ(view.ModelToScreen(2.0, 1.0), (ScreenPoint{115, 95}));
}

TEST(ViewZooming, WheelZoomKeepsThePointUnderTheCursor) {
  ViewTransform view = SquareClientWithWideBox();
  const ModelPosition before = view.ModelFromScreen(37, 152);
  view.ZoomAt(37, 152, view.scale() * 1.1);
  const ModelPosition after = view.ModelFromScreen(37, 152);
  EXPECT_DOUBLE_EQ(after.x, before.x);
  EXPECT_DOUBLE_EQ(after.y, before.y);
}

TEST(ViewZooming, TenStepsInAndTenOutRestoreTheScale) {
  ViewTransform view = SquareClientWithWideBox();
  const double fitted = view.scale();
  for (int step = 0; step < 10; ++step) view.ZoomAt(60, 70, view.scale() * 1.1);
  EXPECT_NEAR(view.scale(), fitted * std::pow(1.1, 10), 1e-9 * fitted);
  for (int step = 0; step < 10; ++step) view.ZoomAt(60, 70, view.scale() / 1.1);
  EXPECT_NEAR(view.scale(), fitted, 1e-12 * fitted);
}

TEST(ViewZooming, UnusableWheelScaleLeavesTheViewAlone) {
  ViewTransform view = SquareClientWithWideBox();
  view.ZoomAt(10, 10, 0.0);
  view.ZoomAt(10, 10, std::numeric_limits<double>::infinity());
  EXPECT_DOUBLE_EQ(view.scale(), 47.5);
  EXPECT_EQ(view.originX(), 100);
}

TEST(ViewZooming, WindowZoomFillsTheLimitingDimensionAndIsCentred) {
  ViewTransform view;
  view.SetWindow(200, 100, 0.0, 4.0, 0.0, 2.0);
  const double fitted = view.scale();
  // A rectangle a quarter of the client width and half its height.
  view.ZoomToWindow(80, 30, 130, 80);
  EXPECT_DOUBLE_EQ(view.scale(), fitted * 2.0);
  EXPECT_EQ(view.originX(), 100);
  EXPECT_EQ(view.originY(), 50);
  EXPECT_EQ(view.ModelToScreen(view.centreX(), view.centreY()), (ScreenPoint{100, 50}));
}

TEST(ViewZooming, WindowZoomCornersMayComeInAnyOrder) {
  ViewTransform forward = SquareClientWithWideBox();
  ViewTransform reverse = SquareClientWithWideBox();
  forward.ZoomToWindow(20, 40, 90, 170);
  reverse.ZoomToWindow(90, 170, 20, 40);
  EXPECT_DOUBLE_EQ(forward.scale(), reverse.scale());
  EXPECT_DOUBLE_EQ(forward.centreX(), reverse.centreX());
  EXPECT_DOUBLE_EQ(forward.centreY(), reverse.centreY());
}

TEST(ViewZooming, WindowZoomOnOnePixelOnlyRecentres) {
  ViewTransform view = SquareClientAtScale(10.0);
  view.ZoomToWindow(130, 80, 130, 80);
  EXPECT_EQ(view.scale(), 10.0);
  EXPECT_DOUBLE_EQ(view.centreX(), 5.0);
  EXPECT_DOUBLE_EQ(view.centreY(), 3.0);
}

TEST(ViewZooming, WindowZoomAlongOneRowUsesTheOtherDirection) {
  ViewTransform view = SquareClientAtScale(10.0);
  view.ZoomToWindow(50, 80, 150, 80);
  EXPECT_DOUBLE_EQ(view.scale(), 20.0);
}

}  // namespace
}  // namespace kestrix

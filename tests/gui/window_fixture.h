#pragma once
// A main window on the fake platform, 200 × 200 pixels, with helpers that
// build a model through the window's own gestures.

#include <gtest/gtest.h>

#include "gui/fake_platform.h"
#include "main_window.h"
#include "menu_resource.h"

namespace kestrix {

class WindowTest : public ::testing::Test {
 protected:
  WindowTest() { window.OnSize(200, 200); }

  ScreenPoint PixelOf(double x, double y) { return window.view().ModelToScreen(x, y); }

  void Click(ScreenPoint p) { window.OnLeftButtonDown(p.x, p.y); }

  // A 4 × 2 rectangle with its lower left corner at the origin, picked as a
  // polygon and selected, fitted to the window.
  void BuildSelectedRectangle() {
    const double corners[4][2] = {{0, 0}, {4, 0}, {4, 2}, {0, 2}};
    for (const auto& corner : corners) window.model().CreateGeoPt(corner[0], corner[1]);
    window.RefitToModel();
    window.OnCommand(menu_id::kPickGeoPt);
    for (const auto& corner : corners) Click(PixelOf(corner[0], corner[1]));
    window.model().CreatePolygonFromPickedPoints();
    window.OnCommand(menu_id::kPickPolygon);
    Click(PixelOf(2, 1));
  }

  // That rectangle meshed LN × WN.
  void BuildMeshedRectangle(int LN, int WN) {
    BuildSelectedRectangle();
    window.model().MeshSelectedPolygons(LN, WN);
  }

  int SelectedNodeCount() { return window.model().nodes().CountSelected(); }

  FakePlatform platform;
  MainWindow window{platform.Services()};
};

}  // namespace kestrix

#include "structure_rendering.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

#include "deformed_shape.h"
#include "load_symbols.h"
#include "support/recording_canvas.h"

namespace kestrix {
namespace {

constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kLoadRed{255, 0, 1};
constexpr Rgb kDeformed{255, 97, 0};
DisplayOptions Numbers(bool nodes, bool elements) {
  DisplayOptions display;
  display.nodeNumbers = nodes;
  display.elementNumbers = elements;
  return display;
}
const DisplayOptions kBothNumbers = Numbers(true, true);
const DisplayOptions kNodeNumbersOnly = Numbers(true, false);

struct Segment {
  int x1, y1, x2, y2;
  friend bool operator==(const Segment&, const Segment&) = default;
};

std::vector<Segment> Segments(const RecordingCanvas& canvas) {
  std::vector<Segment> segments;
  for (const CanvasCall& line : canvas.Lines()) {
    segments.push_back({line.x1, line.y1, line.x2, line.y2});
  }
  return segments;
}

// A client area 400 × 500 pixels with the model origin at pixel (200, 250)
// and 10 pixels per model unit, so that pixel (200 + 10x, 250 − 10y) shows (x, y).
class RenderingTest : public ::testing::Test {
 protected:
  RenderingTest() {
    view.SetWindow(400, 500, -1, 1, -1, 1);
    view.ZoomAt(200, 250, 10.0);
    model.AttachView(&view);
  }

  void MeshUnitSquare() {
    ASSERT_TRUE(model.ReplaceMesh({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, {{0, 1, 2, 3}}));
  }

  ViewTransform view;
  RecordingCanvas canvas;
  Model model;
};

TEST_F(RenderingTest, NodesAreCirclesThatGrowRedWhenSelected) {
  ASSERT_TRUE(model.ReplaceMesh({{1, 2}, {3, 0}}, {}));
  model.PickNodeAt(230, 250);
  DrawStructure(model, view, canvas, DisplayOptions{});
  const auto circles = canvas.CallsOf(CanvasOp::DrawEllipse);
  ASSERT_EQ(circles.size(), 2u);
  // Newest node first.
  EXPECT_EQ((Segment{circles[0].x1, circles[0].y1, circles[0].x2, circles[0].y2}),
            (Segment{226, 246, 234, 254}));
  EXPECT_EQ(circles[0].pen, (Pen{kRed, 3, PenStyle::Solid}));
  EXPECT_EQ((Segment{circles[1].x1, circles[1].y1, circles[1].x2, circles[1].y2}),
            (Segment{207, 227, 213, 233}));
  EXPECT_EQ(circles[1].pen, (Pen{kGreen, 1, PenStyle::Solid}));

  canvas.ClearCalls();
  model.ClearSelection();
  DrawStructure(model, view, canvas, DisplayOptions{});
  const auto restored = canvas.CallsOf(CanvasOp::DrawEllipse);
  EXPECT_EQ(restored[0].x2 - restored[0].x1, 6);
  EXPECT_EQ(restored[0].pen.colour, kGreen);
}

TEST_F(RenderingTest, GeoPointsKeepTheirRadiusWhenSelected) {
  model.CreateGeoPt(1, 1);
  model.PickGeoPtAt(210, 240);
  DrawStructure(model, view, canvas, DisplayOptions{});
  const auto circles = canvas.CallsOf(CanvasOp::DrawEllipse);
  ASSERT_EQ(circles.size(), 1u);
  EXPECT_EQ((Segment{circles[0].x1, circles[0].y1, circles[0].x2, circles[0].y2}),
            (Segment{207, 237, 213, 243}));
  EXPECT_EQ(circles[0].pen, (Pen{kRed, 2, PenStyle::Solid}));
}

TEST_F(RenderingTest, ConstraintBowTiesHaveAFixedPixelSize) {
  for (const double scale : {10.0, 37.0}) {
    canvas.ClearCalls();
    view.ZoomAt(200, 250, scale);
    DrawConstraint(ModelPlotter(view, canvas), Constraint{1, 1, ModelPoint{}}, false);
    EXPECT_EQ(Segments(canvas), (std::vector<Segment>{{200, 250, 214, 253},
                                                      {214, 253, 214, 247},
                                                      {214, 247, 186, 253},
                                                      {186, 253, 186, 247},
                                                      {186, 247, 200, 250},
                                                      {200, 250, 203, 264},
                                                      {203, 264, 197, 264},
                                                      {197, 264, 203, 236},
                                                      {203, 236, 197, 236},
                                                      {197, 236, 200, 250}}));
    EXPECT_EQ(canvas.Lines().front().pen, (Pen{kYellow, 1, PenStyle::Solid}));
  }
  canvas.ClearCalls();
  DrawConstraint(ModelPlotter(view, canvas), Constraint{0, 2, ModelPoint{}}, false);
  EXPECT_EQ(canvas.Lines().size(), 5u);
  EXPECT_EQ(canvas.Lines().front().x2, 203);
}

TEST_F(RenderingTest, ForceArrowStartsAtTheNodeWithAHeadOfThreePercentOfTheHeight) {
  NodalForce force{ModelPoint{}, 100, 0, false};
  DrawNodalForce(ModelPlotter(view, canvas), force, 0.01);
  EXPECT_EQ(
      Segments(canvas),
      (std::vector<Segment>{
          {200, 250, 210, 250}, {210, 250, 196, 248}, {210, 250, 196, 252}, {196, 248, 196, 252}}));
  EXPECT_EQ(canvas.Lines().front().pen, (Pen{kRed, 1, PenStyle::Solid}));

  // The head stays 15 pixels long at any zoom.
  canvas.ClearCalls();
  view.ZoomAt(200, 250, 100.0);
  force.selected = true;
  DrawNodalForce(ModelPlotter(view, canvas), force, 0.01);
  const CanvasCall head = canvas.Lines()[1];
  EXPECT_NEAR(std::hypot(head.x2 - head.x1, head.y2 - head.y1), 15.0, 1.0);
  EXPECT_EQ(head.pen.width, 2);
}

TEST_F(RenderingTest, ForceArrowPointsAlongTheForceAndZeroForceDrawsNothing) {
  DrawNodalForce(ModelPlotter(view, canvas), NodalForce{ModelPoint{}, 0, 0, false}, 1.0);
  EXPECT_TRUE(canvas.Calls().empty());
  DrawNodalForce(ModelPlotter(view, canvas), NodalForce{ModelPoint{}, -1, 0, false}, 1.0);
  EXPECT_EQ(Segments(canvas).front(), (Segment{200, 250, 190, 250}));
  canvas.ClearCalls();
  DrawNodalForce(ModelPlotter(view, canvas), NodalForce{ModelPoint{}, 0, 2, false}, 1.0);
  EXPECT_EQ(Segments(canvas).front(), (Segment{200, 250, 200, 230}));
}

TEST_F(RenderingTest, DistributedLoadDrawsItsLineOrdinatesAndOneArrowPerLoadedEnd) {
  ModelPoint i;
  ModelPoint j;
  j.x = 1;
  DrawDistributedLoad(ModelPlotter(view, canvas), DistributedLoad{i, j, 10, 0, false}, 0.1);
  EXPECT_EQ(Segments(canvas), (std::vector<Segment>{{200, 260, 210, 250},
                                                    {200, 260, 200, 250},
                                                    {210, 250, 210, 250},
                                                    {198, 264, 200, 250},
                                                    {202, 264, 200, 250},
                                                    {202, 264, 198, 264}}));
  EXPECT_EQ(canvas.Lines().front().pen, (Pen{kLoadRed, 1, PenStyle::Solid}));
}

TEST_F(RenderingTest, ReversedEdgeDrawsAPositiveLoadOnTheOtherSide) {
  ModelPoint i;
  i.x = 1;
  ModelPoint j;
  DrawDistributedLoad(ModelPlotter(view, canvas), DistributedLoad{i, j, 10, 10, false}, 0.1);
  const auto segments = Segments(canvas);
  EXPECT_EQ(segments.front(), (Segment{210, 240, 200, 240}));
  EXPECT_EQ(segments.size(), 9u);
}

TEST_F(RenderingTest, NegativeLoadHeadsPointAtTheEdgeFromTheOtherSide) {
  ModelPoint i;
  ModelPoint j;
  j.x = 1;
  DrawDistributedLoad(ModelPlotter(view, canvas), DistributedLoad{i, j, 0, -10, false}, 0.1);
  const auto segments = Segments(canvas);
  ASSERT_EQ(segments.size(), 6u);
  EXPECT_EQ(segments[0], (Segment{200, 250, 210, 240}));
  EXPECT_EQ(segments[3], (Segment{212, 236, 210, 250}));
}

TEST_F(RenderingTest, NumbersAreAFifthOfTheAverageEdgeAndPlacedByNodeAndCentroid) {
  MeshUnitSquare();
  view.ZoomAt(200, 250, 100.0);
  DrawStructure(model, view, canvas, kBothNumbers);
  const auto texts = canvas.Texts();
  ASSERT_EQ(texts.size(), 5u);
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(texts[k].text, std::to_string(k));
    EXPECT_EQ(texts[k].font, (Font{"Times New Roman", 20, 0}));
    EXPECT_EQ(texts[k].textColour, kBlue);
  }
  EXPECT_EQ(texts[2].x1, 300);
  EXPECT_EQ(texts[2].y1, 150);
  EXPECT_EQ(texts[4].text, "0");
  EXPECT_EQ(texts[4].font, (Font{"Times New Roman", 20, 10}));
  EXPECT_EQ(texts[4].textColour, (Rgb{255, 0, 255}));
  EXPECT_EQ(texts[4].x1, 250 - 5);
  EXPECT_EQ(texts[4].y1, 200 - 10);
}

TEST_F(RenderingTest, NumbersAreSkippedWithoutNodesOrElements) {
  DrawStructure(model, view, canvas, kBothNumbers);
  EXPECT_TRUE(canvas.Calls().empty());
  ASSERT_TRUE(model.ReplaceMesh({{0, 0}}, {}));
  DrawStructure(model, view, canvas, kBothNumbers);
  EXPECT_EQ(canvas.Texts().size(), 1u);
  EXPECT_EQ(canvas.Texts()[0].font.height, 0);
}

TEST_F(RenderingTest, LayersAreDrawnFromNodesUpToDistributedLoads) {
  MeshUnitSquare();
  for (const auto& [x, y] : {std::pair{0, 0}, {1, 0}, {1, 1}}) model.CreateGeoPt(x, y);
  for (const auto& [x, y] : {std::pair{0, 0}, {10, 0}, {10, -10}})
    model.PickGeoPtAt(200 + x, 250 + y);
  model.CreatePolygonFromPickedPoints();
  ASSERT_TRUE(model.AddConstraint(0, 1, 0));
  ASSERT_TRUE(model.AddForce(2, 1, 0));
  ASSERT_TRUE(model.AddDistributedLoad(0, 1, 1, 1));
  DrawStructure(model, view, canvas, kNodeNumbersOnly);
  std::vector<std::pair<CanvasOp, Rgb>> layers;
  for (const CanvasCall& call : canvas.Calls()) {
    if (call.op != CanvasOp::DrawLine && call.op != CanvasOp::DrawEllipse &&
        call.op != CanvasOp::DrawText) {
      continue;
    }
    const Rgb colour = call.op == CanvasOp::DrawText ? call.textColour : call.pen.colour;
    if (layers.empty() || layers.back() != std::pair{call.op, colour})
      layers.push_back({call.op, colour});
  }
  EXPECT_EQ(layers, (std::vector<std::pair<CanvasOp, Rgb>>{
                        {CanvasOp::DrawEllipse, kGreen},    // nodes
                        {CanvasOp::DrawText, kBlue},        // node numbers
                        {CanvasOp::DrawEllipse, kBlue},     // geometric points
                        {CanvasOp::DrawLine, kBlue},        // polygon
                        {CanvasOp::DrawLine, kGreen},       // outlines and edges
                        {CanvasOp::DrawLine, kYellow},      // constraint
                        {CanvasOp::DrawLine, kRed},         // force
                        {CanvasOp::DrawLine, kLoadRed}}));  // distributed load
}

// With nothing selected the edges, all on the outlines' sides, add no pixel and
// are left out; a selected edge is drawn red and wide over the outlines, with
// the other edges after the outlines as well, as their order asks.
TEST_F(RenderingTest, EdgesRepeatingOutlineSidesAreDrawnOnlyWithASelection) {
  ASSERT_TRUE(model.ReplaceMesh({{0, 0}, {1, 0}, {2, 0}, {2, 1}, {1, 1}, {0, 1}},
                                {{0, 1, 4, 5}, {1, 2, 3, 4}}));
  ASSERT_EQ(model.edges().Count(), 7);
  DrawStructure(model, view, canvas, DisplayOptions{});
  const std::vector<Segment> outlines = Segments(canvas);
  EXPECT_EQ(outlines.size(), 8u);
  for (const ElemEdge& edge : model.edges()) {
    const auto [x1, y1] = view.ModelToScreen(edge.a.x, edge.a.y);
    const auto [x2, y2] = view.ModelToScreen(edge.b.x, edge.b.y);
    EXPECT_NE(std::ranges::find(outlines, Segment{x1, y1, x2, y2}), outlines.end())
        << x1 << "," << y1 << " " << x2 << "," << y2;
  }

  model.PickEdgesAt(205, 250);
  ASSERT_EQ(model.edges().CountSelected(), 1);
  canvas.ClearCalls();
  DrawStructure(model, view, canvas, DisplayOptions{});
  const auto lines = canvas.Lines();
  ASSERT_EQ(lines.size(), 15u);
  const auto red = std::ranges::count(lines, Pen{kRed, 4, PenStyle::Solid}, &CanvasCall::pen);
  EXPECT_EQ(red, 1);
  EXPECT_EQ(std::ranges::count(lines.begin(), lines.begin() + 8, kGreen,
                               [](const CanvasCall& c) { return c.pen.colour; }),
            8);
}

TEST_F(RenderingTest, DeformedMeshIsMagnifiedToATenthOfTheModelSize) {
  ASSERT_TRUE(model.ReplaceMesh({{0, 0}, {10, 0}, {10, 4}, {0, 4}}, {{0, 1, 2, 3}}));
  model.ComputeBoundingBox();
  model.ZeroDisplacements();
  DrawDeformedShape(model, view, canvas, DeformationScale(model));
  EXPECT_TRUE(canvas.Calls().empty());  // nothing moved
  for (int k = 0; k < 4; ++k) model.SetNodeDisplacement(k, 0.001, 0);
  DrawDeformedShape(model, view, canvas, DeformationScale(model));
  EXPECT_EQ(
      Segments(canvas),
      (std::vector<Segment>{
          {210, 250, 310, 250}, {310, 250, 310, 210}, {310, 210, 210, 210}, {210, 210, 210, 250}}));
  EXPECT_EQ(canvas.Lines().front().pen, (Pen{kDeformed, 1, PenStyle::Solid}));
}

// A side that two elements share is passed on once, to be drawn both ways
// when they run along it in opposite directions (the recording canvas then
// gets it in both directions), once when they run along it the same way.
TEST_F(RenderingTest, DeformedMeshPassesEachSharedSideOnce) {
  const std::vector<ModelPosition> nodes{{0, 0}, {1, 0}, {2, 0}, {2, 1}, {1, 1}, {0, 1}};
  for (const Element& second : {Element{1, 2, 3, 4}, Element{1, 4, 3, 2}}) {
    ASSERT_TRUE(model.ReplaceMesh(nodes, {{0, 1, 4, 5}, second}));
    model.ComputeBoundingBox();
    for (int k = 0; k < 6; ++k) model.SetNodeDisplacement(k, 0.0, 0.01 * k);
    canvas.ClearCalls();
    DrawDeformedShape(model, view, canvas, 10.0);
    std::vector<Segment> expected;
    const auto pixel = [&](int node) {
      const ModelPosition p = DeformedPosition(model, node, 10.0);
      return view.ModelToScreen(p.x, p.y);
    };
    for (const Element& element : model.connectivity()) {
      for (int k = 0; k < 4; ++k) {
        const auto [x1, y1] = pixel(element[k]);
        const auto [x2, y2] = pixel(element[(k + 1) % 4]);
        expected.push_back({x1, y1, x2, y2});
      }
    }
    std::vector<Segment> drawn = Segments(canvas);
    if (second[1] == 4) {  // the same way round in both: drawn once
      EXPECT_EQ(drawn.size(), 7u);
      drawn.push_back(expected[1]);
    }
    const auto order = [](const Segment& a, const Segment& b) {
      return std::tie(a.x1, a.y1, a.x2, a.y2) < std::tie(b.x1, b.y1, b.x2, b.y2);
    };
    std::ranges::sort(drawn, order);
    std::ranges::sort(expected, order);
    EXPECT_EQ(drawn, expected);
  }
}

TEST_F(RenderingTest, DeformedShapeNeedsElements) {
  ASSERT_TRUE(model.ReplaceMesh({{0, 0}, {1, 0}}, {}));
  model.SetNodeDisplacement(1, 1, 1);
  DrawDeformedShape(model, view, canvas, DeformationScale(model));
  EXPECT_TRUE(canvas.Calls().empty());
}

// The largest reaction is a tenth of the model size long, from the node's
// deformed position; a zero reaction draws nothing.
TEST_F(RenderingTest, ReactionArrowsStartAtTheDeformedFixedNodes) {
  ASSERT_TRUE(model.ReplaceMesh({{0, 0}, {10, 0}, {10, 4}, {0, 4}}, {{0, 1, 2, 3}}));
  model.ComputeBoundingBox();
  DrawReactions(model, view, canvas, DeformationScale(model));
  EXPECT_TRUE(canvas.Calls().empty());  // none read
  model.SetNodeDisplacement(1, 0, -0.001);
  model.SetReactions({{.node = 0, .RX = 0, .RY = 0}, {.node = 1, .RX = -50, .RY = 0},
                      {.node = 3, .RX = 0, .RY = 25}});
  DrawReactions(model, view, canvas, DeformationScale(model));
  const std::vector<Segment> segments = Segments(canvas);
  ASSERT_EQ(segments.size(), 8u);
  // Node 1 moved down by one unit on screen; the arrow is 10 pixels long to the left.
  EXPECT_EQ((std::pair{segments[0].x1, segments[0].y1}), (std::pair{300, 260}));
  EXPECT_EQ(segments[0].x2, 290);
  EXPECT_NEAR(segments[0].y2, 260, 1);
  EXPECT_EQ((std::pair{segments[4].x1, segments[4].y1}), (std::pair{200, 210}));
  EXPECT_NEAR(segments[4].x2, 200, 1);
  EXPECT_EQ(segments[4].y2, 205);
  EXPECT_EQ(canvas.Lines().front().pen, (Pen{Rgb{0, 255, 255}, 2, PenStyle::Solid}));
}

}  // namespace
}  // namespace kestrix

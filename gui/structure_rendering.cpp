#include "structure_rendering.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "deformed_shape.h"
#include "load_symbols.h"
#include "model_plotter.h"
#include "number_labels.h"

namespace kestrix {
namespace {

constexpr Rgb kMeshColour{0, 255, 0};
constexpr Rgb kGeometryColour{0, 0, 255};
constexpr Rgb kSelectedColour{255, 0, 0};
constexpr Rgb kDeformedColour{255, 97, 0};

struct Look {
  Rgb colour;
  int penWidth = 1;
};

// How an entity is drawn: `plain` unless selected, then red with `selectedWidth`.
Look LookOf(bool selected, Rgb plain, int selectedWidth) {
  return selected ? Look{kSelectedColour, selectedWidth} : Look{plain, 1};
}

void UseLook(const ModelPlotter& plotter, Look look) { plotter.UsePen(look.colour, look.penWidth); }

void DrawNodes(const ModelPlotter& plotter, const Model& model) {
  for (const ModelPoint& node : model.nodes()) {
    UseLook(plotter, LookOf(node.selected, kMeshColour, 3));
    plotter.Circle(node.position(), node.selected ? 4 : 3);
  }
}

void DrawGeoPoints(const ModelPlotter& plotter, const Model& model) {
  for (const ModelPoint& point : model.geoPoints()) {
    UseLook(plotter, LookOf(point.selected, kGeometryColour, 2));
    plotter.Circle(point.position(), 3);
  }
}

void DrawPolygons(const ModelPlotter& plotter, const Model& model) {
  for (const Polygon& polygon : model.polygons()) {
    UseLook(plotter, LookOf(polygon.selected, kGeometryColour, 2));
    plotter.ClosedOutline(polygon.vertices());
  }
}

// Every node mapped once.
std::vector<ScreenPoint> NodePixels(const ModelPlotter& plotter, const Model& model) {
  std::vector<ScreenPoint> pixels;
  pixels.reserve(model.NPOIN());
  for (const ModelPoint& node : model.nodeArray()) pixels.push_back(plotter.Pixel(node.position()));
  return pixels;
}

// The outlines when none is selected, so that all share the one-pixel mesh
// pen and the picture holds the union of their sides. A side whose copies
// keep the nodes' coordinates gives the same pixels in every outline that has
// it, so it is drawn once from the mapped nodes (both ways when outlines run
// along it both ways); the other copies from the outlines' own coordinates.
void DrawUnselectedOutlines(const ModelPlotter& plotter, const Model& model,
                            const MeshSides& sides) {
  plotter.UsePen(kMeshColour, 1);
  const std::vector<ScreenPoint> pixels = NodePixels(plotter, model);
  for (const MeshSide& side : sides.unique) {
    const ScreenPoint from = pixels[side.from];
    const ScreenPoint to = pixels[side.to];
    if (side.onNodes && side.reversedOnNodes) {
      plotter.PixelLineBothWays(from, to);
    } else if (side.onNodes) {
      plotter.PixelLine(from, to);
    } else if (side.reversedOnNodes) {
      plotter.PixelLine(to, from);
    }
  }
  const std::span<const ElementOutline> outlines = model.elementOutlines().InsertionOrder();
  for (const OutlineSide& side : sides.offNodes) {
    const auto& corners = outlines[side.element].vertices;
    plotter.Line(corners[side.corner].position(),
                 corners[(side.corner + 1) % kNodesPerElement].position());
  }
}

// The outlines, newest first. Returns how many of the oldest edges repeat an
// outline side exactly (see EdgesAlongOutlines); none when an outline is
// selected, since the outlines' pens then differ.
std::size_t DrawElementOutlines(const ModelPlotter& plotter, const Model& model) {
  if (model.NELEM() == 0) return 0;
  const MeshSides& sides = model.meshSides();
  if (!sides.outlineSelected) {
    DrawUnselectedOutlines(plotter, model, sides);
    return sides.edgesAlongOutlines;
  }
  for (const ElementOutline& outline : model.elementOutlines()) {
    UseLook(plotter, LookOf(outline.selected, kMeshColour, 2));
    plotter.ClosedOutline(outline.vertices);
  }
  return 0;
}

// The edges, newest first, but for the oldest `repeated` ones when no edge is
// selected: outlines and edges then share the one-pixel mesh pen, the
// picture holds their union, and an edge that repeats an outline side adds no
// pixel to it.
void DrawEdges(const ModelPlotter& plotter, const Model& model, std::size_t repeated) {
  const std::span<const ElemEdge> edges = model.edges().InsertionOrder();
  if (model.selectedEdgeCount() > 0) repeated = 0;
  for (std::size_t k = edges.size(); k > repeated; --k) {
    const ElemEdge& edge = edges[k - 1];
    UseLook(plotter, LookOf(edge.selected, kMeshColour, 4));
    plotter.Line(edge.a.position(), edge.b.position());
  }
}

void DrawLoads(const ModelPlotter& plotter, const Model& model, bool whiteBackground) {
  for (const Constraint& constraint : model.constraints()) {
    DrawConstraint(plotter, constraint, whiteBackground);
  }
  for (const NodalForce& force : model.forces()) {
    DrawNodalForce(plotter, force, model.forceScale());
  }
  for (const DistributedLoad& load : model.distributedLoads()) {
    DrawDistributedLoad(plotter, load, model.loadScale());
  }
}

}  // namespace

void DrawStructure(const Model& model, const ViewTransform& view, Canvas& canvas,
                   const DisplayOptions& display) {
  const ModelPlotter plotter(view, canvas);
  DrawNodes(plotter, model);
  if (display.nodeNumbers) DrawNodeNumbers(plotter, model);
  if (display.elementNumbers) DrawElementNumbers(plotter, model);
  DrawGeoPoints(plotter, model);
  DrawPolygons(plotter, model);
  DrawEdges(plotter, model, DrawElementOutlines(plotter, model));
  DrawLoads(plotter, model, display.WhiteBackground());
}

void DrawDeformedShape(const Model& model, const ViewTransform& view, Canvas& canvas,
                       double scale) {
  if (model.NELEM() == 0 || scale == 0.0) return;
  const ModelPlotter plotter(view, canvas);
  plotter.UsePen(kDeformedColour, 1);
  // Each node is moved and mapped once.
  std::vector<ScreenPoint> moved(model.NPOIN());
  for (int node = 0; node < model.NPOIN(); ++node) {
    moved[node] = plotter.Pixel(DeformedPosition(model, node, scale));
  }
  // A side that two elements share has the same ends in both: it is drawn
  // once, both ways when they run along it in opposite directions.
  for (const MeshSide& side : model.meshSides().unique) {
    if (side.reversedToo) {
      plotter.PixelLineBothWays(moved[side.from], moved[side.to]);
    } else {
      plotter.PixelLine(moved[side.from], moved[side.to]);
    }
  }
}

double ReactionArrowScale(const Model& model) {
  double largest = 0.0;
  for (const NodeReaction& r : model.reactions()) {
    largest = std::max({largest, std::abs(r.RX), std::abs(r.RY)});
  }
  if (largest == 0.0) return 0.0;
  const BoundingBox& box = model.boundingBox();
  return 0.1 * std::max(box.xmax - box.xmin, box.ymax - box.ymin) / largest;
}

void DrawReactions(const Model& model, const ViewTransform& view, Canvas& canvas,
                   double deformationScale) {
  const double scale = ReactionArrowScale(model);
  if (scale == 0.0) return;
  const ModelPlotter plotter(view, canvas);
  for (const NodeReaction& r : model.reactions()) {
    DrawReaction(plotter, DeformedPosition(model, r.node, deformationScale), r, scale);
  }
}

}  // namespace kestrix

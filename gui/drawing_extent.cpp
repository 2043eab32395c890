#include "drawing_extent.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "deformation_scale_choice.h"
#include "deformed_shape.h"
#include "load_symbols.h"
#include "structure_rendering.h"

namespace kestrix {
namespace {

// A box that starts empty and grows with every finite position.
class ExtentBuilder {
 public:
  void Include(ModelPosition p) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return;
    if (m_box) {
      m_box->Include(p);
    } else {
      m_box = BoundingBox::At(p);
    }
  }
  BoundingBox Box() const {
    BoundingBox box = m_box.value_or(BoundingBox{});
    box.WidenIfDegenerate();
    return box;
  }

 private:
  std::optional<BoundingBox> m_box;
};

void IncludeStructure(ExtentBuilder& extent, const Model& model) {
  for (const ModelPoint& node : model.nodes()) extent.Include(node.position());
  for (const ModelPoint& point : model.geoPoints()) extent.Include(point.position());
  for (const ElementOutline& outline : model.elementOutlines()) {
    for (const ModelPoint& vertex : outline.vertices) extent.Include(vertex.position());
  }
  for (const NodalForce& force : model.forces()) {
    extent.Include(NodalForceTip(force, model.forceScale()));
  }
  for (const DistributedLoad& load : model.distributedLoads()) {
    const LoadLine line = DistributedLoadLine(load, model.loadScale());
    extent.Include(line.atI);
    extent.Include(line.atJ);
  }
}

void IncludeDeformedMesh(ExtentBuilder& extent, const Model& model, double scale) {
  for (int node = 0; node < model.NPOIN(); ++node) {
    extent.Include(DeformedPosition(model, node, scale));
  }
}

void IncludeReactionArrows(ExtentBuilder& extent, const Model& model, double deformationScale) {
  const double scale = ReactionArrowScale(model);
  for (const NodeReaction& r : model.reactions()) {
    extent.Include(ArrowTip(DeformedPosition(model, r.node, deformationScale), r.RX, r.RY, scale));
  }
}

// Pixels beyond the drawn extent that symbols of a fixed screen size reach.
double SymbolMargin(const Model& model, int height) {
  double margin = 0.0;
  if (!model.constraints().IsEmpty()) margin = kConstraintSymbolLength;
  if (!model.forces().IsEmpty() || !model.distributedLoads().IsEmpty()) {
    margin = std::max(margin, std::ceil(kArrowheadShare * height));
  }
  return margin;
}

// The model box of everything drawn; the degenerate box of an empty model widened.
BoundingBox DrawnExtent(const Model& model, const DisplayOptions& display) {
  ExtentBuilder extent;
  if (display.showStructure) IncludeStructure(extent, model);
  if (display.showDeformed && model.solved() && model.NELEM() > 0) {
    const double scale = ShownDeformationScale(model, display);
    IncludeDeformedMesh(extent, model, scale);
    if (display.reactionArrows) IncludeReactionArrows(extent, model, scale);
  }
  return extent.Box();
}

}  // namespace

// The view fills 95 % of the limiting client dimension with the box; the box
// grows by the margin at the scale that the widened box will get, so that
// margin pixels lie between the extent and the box's edge.
BoundingBox FitBox(const Model& model, const DisplayOptions& display, int width, int height) {
  BoundingBox box = DrawnExtent(model, display);
  const double margin = SymbolMargin(model, height);
  const double scale = std::min((0.95 * width - 2 * margin) / (box.xmax - box.xmin),
                                (0.95 * height - 2 * margin) / (box.ymax - box.ymin));
  if (margin == 0.0 || !(scale > 0.0) || !std::isfinite(scale)) return box;
  const double widening = margin / scale;
  return {box.xmin - widening, box.xmax + widening, box.ymin - widening, box.ymax + widening};
}

}  // namespace kestrix

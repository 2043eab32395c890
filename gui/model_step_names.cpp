#include "model_step_names.h"

#include "real_text.h"

namespace kestrix {
namespace {

// "3 nodes", "1 node".
std::string Counted(int count, const std::string& noun) {
  return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

}  // namespace

std::string GeoPtStepName(double x, double y) {
  return "Create point (" + FormatReal(x) + ", " + FormatReal(y) + ")";
}

std::string PolygonStepName(const Model& model) {
  return "Create polygon from " + Counted(model.pickedPoints().CountSelected(), "point");
}

std::string MeshStepName(const Model& model) {
  std::string numbers;
  int count = 0;
  for (const Polygon& polygon : model.polygons().InsertionOrder()) {
    if (!polygon.selected) continue;
    numbers += (count++ == 0 ? " " : ", ") + std::to_string(polygon.number);
  }
  return (count == 1 ? "Mesh polygon" : "Mesh polygons") + numbers;
}

std::string ConstraintStepName(const Model& model) {
  return "Apply constraints to " + Counted(model.nodes().CountSelected(), "node");
}

std::string ForceStepName(const Model& model) {
  return "Apply forces to " + Counted(model.nodes().CountSelected(), "node");
}

std::string EdgeLoadStepName(const Model& model) {
  return "Apply edge loads to " + Counted(model.edges().CountSelected(), "edge");
}

}  // namespace kestrix

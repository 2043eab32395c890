#include "model_step_names.h"

#include "real_text.h"

namespace kestrix {
namespace {

// "3 nodes", "1 node".
std::string Counted(int count, const std::string& noun) {
  return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

// "polygon 1", "polygons 0, 2": the selected polygons.
std::string SelectedPolygons(const Model& model) {
  std::string numbers;
  int count = 0;
  for (const Polygon& polygon : model.polygons().InsertionOrder()) {
    if (!polygon.selected) continue;
    numbers += (count++ == 0 ? " " : ", ") + std::to_string(polygon.number);
  }
  return (count == 1 ? "polygon" : "polygons") + numbers;
}

}  // namespace

std::string GeoPtStepName(double x, double y) {
  return "Create point (" + FormatReal(x) + ", " + FormatReal(y) + ")";
}

std::string PolygonStepName(const Model& model) {
  return "Create polygon from " + Counted(model.pickedPoints().CountSelected(), "point");
}

std::string MeshStepName(const Model& model) { return "Mesh " + SelectedPolygons(model); }

std::string DeleteStepName(const Model& model) {
  if (model.polygons().CountSelected() > 0) return "Clear mesh of " + SelectedPolygons(model);
  return "Delete supports and loads on " + Counted(model.nodes().CountSelected(), "node") +
         " and " + Counted(model.edges().CountSelected(), "edge");
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

#include "status_texts.h"

#include "deformation_scale_choice.h"
#include "real_text.h"

namespace kestrix {
namespace {

// "1 node", "2 nodes", "0 edge loads".
std::string Counted(int count, const std::string& singular, const std::string& plural) {
  return std::to_string(count) + " " + (count == 1 ? singular : plural);
}

// The two-click gestures of nodes and edges: point picks toggle at once.
std::string RectanglePickText(const Interaction& interaction, const std::string& what,
                              const std::string& pointPick) {
  if (interaction.clickCount() == 1) return "Pick " + what + ": click the second corner";
  if (!interaction.rectanglePick()) return "Pick " + what + ": " + pointPick;
  return "Pick " + what + ": click the first corner of a rectangle";
}

std::string ModeText(const Interaction& interaction, const Model& model) {
  const bool secondClick = interaction.clickCount() == 1;
  switch (interaction.mode()) {
    case InteractionMode::Idle:
      return "Ready: choose a pick in the Pick menu; S picks nodes, P pans, Z zooms, X fits";
    case InteractionMode::Pan:
      return secondClick ? "Pan: move the picture, click to let go" : "Pan: click to take hold";
    case InteractionMode::ZoomWindow:
      return secondClick ? "Zoom window: second corner" : "Zoom window: first corner";
    case InteractionMode::PickNode:
      return RectanglePickText(interaction, "nodes", "click to toggle the nearest node");
    case InteractionMode::PickElemEdge:
      return RectanglePickText(interaction, "edges", "click on an edge to toggle it");
    case InteractionMode::PickGeoPt:
      return "Pick points for a polygon: click near a point (" +
             Counted(model.pickedPoints().Count(), "picked", "picked") + ")";
    case InteractionMode::PickPolygon: return "Pick polygons: click inside one to toggle it";
  }
  return {};
}

std::string CountsText(const Model& model) {
  return Counted(model.geoPoints().Count(), "point", "points") + ", " +
         Counted(model.polygons().Count(), "polygon", "polygons") + ", " +
         Counted(model.NPOIN(), "node", "nodes") + ", " +
         Counted(model.NELEM(), "element", "elements") + ", " +
         Counted(model.constraints().Count(), "constraint", "constraints") + ", " +
         Counted(model.forces().Count(), "force", "forces") + ", " +
         Counted(model.distributedLoads().Count(), "edge load", "edge loads");
}

std::string SelectionText(const Model& model) {
  std::string text;
  const auto add = [&text](int count, const std::string& singular, const std::string& plural) {
    if (count == 0) return;
    text += (text.empty() ? "Selected: " : ", ") + Counted(count, singular, plural);
  };
  add(model.nodes().CountSelected(), "node", "nodes");
  add(model.selectedEdgeCount(), "edge", "edges");
  add(model.polygons().CountSelected(), "polygon", "polygons");
  add(model.geoPoints().CountSelected(), "point", "points");
  return text.empty() ? "Nothing selected" : text;
}

}  // namespace

std::string CursorText(ModelPosition position) {
  return "x = " + FormatReal(position.x) + ", y = " + FormatReal(position.y);
}

StatusTexts DescribeStatus(const Interaction& interaction, const Model& model,
                           const DisplayOptions& display, std::optional<ModelPosition> cursor) {
  StatusTexts texts{ModeText(interaction, model), cursor ? CursorText(*cursor) : std::string(),
                    CountsText(model), SelectionText(model), {}};
  if (model.solved() && display.showDeformed) {
    const double scale = ShownDeformationScale(model, display);
    texts.deformation = "Deformation x " + FormatReal(scale) +
                        (display.deformationScale ? " (your own)" : " (automatic)");
  }
  return texts;
}

}  // namespace kestrix

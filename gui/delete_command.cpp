#include "delete_command.h"

#include <string>

#include "main_window.h"
#include "model_step_names.h"

namespace kestrix {
namespace {

void Tell(MainWindow& window, const std::string& text) {
  window.services().notifier.ShowMessage(text, kWarningCaption);
}

std::string PolygonName(int number) { return "polygon " + std::to_string(number); }

// Why the meshes stay, or nothing when they went.
std::string ClearMeshes(Model& model, const std::vector<Polygon>& polygons) {
  const MeshClearing clearing = model.ClearPolygonMeshes(polygons);
  switch (clearing.outcome) {
    case MeshClearing::Outcome::Cleared: return {};
    case MeshClearing::Outcome::NoMesh:
      return polygons.size() == 1 ? "The selected polygon has no mesh to clear."
                                  : "The selected polygons have no mesh to clear.";
    case MeshClearing::Outcome::SharedNodes:
      return "No mesh was cleared: the mesh of " + PolygonName(clearing.clearedPolygon) +
             " shares nodes with " +
             (clearing.sharingPolygon >= 0
                  ? "the mesh of " + PolygonName(clearing.sharingPolygon) +
                        ". Select both polygons to clear them together."
                  : std::string("elements outside every polygon."));
  }
  return {};
}

void ClearSelectedMeshes(MainWindow& window) {
  Model& model = window.model();
  std::vector<Polygon> selected;
  for (const Polygon& polygon : model.polygons()) {
    if (polygon.selected) selected.push_back(polygon);
  }
  const std::string reason = ClearMeshes(model, selected);
  model.DeselectPolygons();
  if (!reason.empty()) Tell(window, reason);
}

void DeleteLoads(MainWindow& window) {
  Model& model = window.model();
  if (model.nodes().CountSelected() == 0 && model.edges().CountSelected() == 0) {
    Tell(window,
         "Nothing to delete: select nodes or edges to remove their supports and loads, or "
         "polygons to clear their meshes.");
    return;
  }
  if (model.DeleteLoadsOnSelection().Total() == 0) {
    Tell(window, "The selected nodes and edges carry no constraints, forces or edge loads.");
  }
}

}  // namespace

// The step is recorded before the model changes; one that changed nothing
// is dropped from the history again.
void DeleteCommand(MainWindow& window) {
  window.RecordModelStep(DeleteStepName(window.model()));
  if (window.model().polygons().CountSelected() > 0) {
    ClearSelectedMeshes(window);
  } else {
    DeleteLoads(window);
  }
  window.services().repaint.FullRepaint();
}

}  // namespace kestrix

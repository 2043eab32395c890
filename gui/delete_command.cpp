#include "delete_command.h"

#include <string>

#include "main_window.h"

namespace kestrix {
namespace {

void Tell(MainWindow& window, const std::string& text) {
  window.services().notifier.ShowMessage(text, kWarningCaption);
}

std::string PolygonName(int number) { return "polygon " + std::to_string(number); }

// Why the mesh of `polygon` stays, or nothing when it went.
std::string ClearMesh(Model& model, const Polygon& polygon) {
  const MeshClearing clearing = model.ClearPolygonMesh(polygon);
  switch (clearing.outcome) {
    case MeshClearing::Outcome::Cleared: return {};
    case MeshClearing::Outcome::NoMesh:
      return "The mesh of " + PolygonName(polygon.number) + " stays: it has no elements.";
    case MeshClearing::Outcome::SharedNodes:
      return "The mesh of " + PolygonName(polygon.number) + " stays: it shares nodes with " +
             (clearing.sharingPolygon >= 0 ? "the mesh of " + PolygonName(clearing.sharingPolygon)
                                           : std::string("elements outside every polygon")) +
             ". Clear that mesh first.";
  }
  return {};
}

void ClearSelectedMeshes(MainWindow& window) {
  Model& model = window.model();
  std::vector<Polygon> selected;
  for (const Polygon& polygon : model.polygons()) {
    if (polygon.selected) selected.push_back(polygon);
  }
  std::string reasons;
  for (const Polygon& polygon : selected) {
    const std::string reason = ClearMesh(model, polygon);
    if (!reason.empty()) reasons += (reasons.empty() ? "" : "\n") + reason;
  }
  model.DeselectPolygons();
  if (!reasons.empty()) Tell(window, reasons);
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

void DeleteCommand(MainWindow& window) {
  if (window.model().polygons().CountSelected() > 0) {
    ClearSelectedMeshes(window);
  } else {
    DeleteLoads(window);
  }
  window.services().repaint.FullRepaint();
}

}  // namespace kestrix

#include "delete_command.h"

#include <string>

#include "workspace.h"
#include "model_step_names.h"

namespace kestrix {
namespace {

void Tell(Workspace& workspace, const std::string& text) {
  workspace.services().notifier.ShowMessage(text, kWarningCaption);
}

std::string PolygonName(int number) { return "多边形" + std::to_string(number); }

// Why the meshes stay, or nothing when they went.
std::string ClearMeshes(Model& model, const std::vector<Polygon>& polygons) {
  const MeshClearing clearing = model.ClearPolygonMeshes(polygons);
  switch (clearing.outcome) {
    case MeshClearing::Outcome::Cleared: return {};
    case MeshClearing::Outcome::NoMesh:
      return polygons.size() == 1 ? "所选多边形没有网格, 无需清除!"
                                  : "所选多边形都没有网格, 无需清除!";
    case MeshClearing::Outcome::SharedNodes:
      return "未清除网格: " + PolygonName(clearing.clearedPolygon) + "的网格与" +
             (clearing.sharingPolygon >= 0
                  ? PolygonName(clearing.sharingPolygon) + "的网格共用节点, 请同时选中这两个多边形一起清除!"
                  : std::string("不属于任何多边形的单元共用节点!"));
  }
  return {};
}

void ClearSelectedMeshes(Workspace& workspace) {
  Model& model = workspace.model();
  std::vector<Polygon> selected;
  for (const Polygon& polygon : model.polygons()) {
    if (polygon.selected) selected.push_back(polygon);
  }
  const std::string reason = ClearMeshes(model, selected);
  model.DeselectPolygons();
  if (!reason.empty()) Tell(workspace, reason);
}

void DeleteLoads(Workspace& workspace) {
  Model& model = workspace.model();
  if (model.nodes().CountSelected() == 0 && model.edges().CountSelected() == 0) {
    Tell(workspace,
         "没有可删除的内容: 请选择节点或单元边以删除其约束和荷载, 或选择多边形以清除其网格!");
    return;
  }
  if (model.DeleteLoadsOnSelection().Total() == 0) {
    Tell(workspace, "所选节点和单元边上没有约束、集中力或分布荷载!");
  }
}

}  // namespace

// The step is recorded before the model changes; one that changed nothing
// is dropped from the history again.
void DeleteCommand(Workspace& workspace) {
  workspace.RecordModelStep(DeleteStepName(workspace.model()));
  if (workspace.model().polygons().CountSelected() > 0) {
    ClearSelectedMeshes(workspace);
  } else {
    DeleteLoads(workspace);
  }
  workspace.services().repaint.FullRepaint();
}

}  // namespace kestrix

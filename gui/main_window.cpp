#include "main_window.h"

#include "dialog_templates.h"
#include "external_programs.h"
#include "menu_resource.h"
#include "modal_dialogs.h"
#include "model_file_commands.h"
#include "modeless_dialogs.h"
#include "rubber_band.h"
#include "structure_rendering.h"

namespace kestrix {

MainWindow::MainWindow(const MainWindowServices& services)
    : services_(services),
      view_(std::make_unique<ViewTransform>()),
      model_(std::make_unique<Model>()),
      markedPickMode_(menu_id::kRectanglePick),
      markedBackground_(menu_id::kBlackBackground),
      deformedShapeChoice_(control_id::kDefAndUndeformed) {
  model_->AttachView(view_.get());
  model_->AttachNotifier(&services_.notifier);
}

void MainWindow::OnSize(int width, int height) {
  clientWidth_ = width;
  clientHeight_ = height;
  FitViewToStoredBox();
}

void MainWindow::FitViewToStoredBox() {
  view_->SetWindow(clientWidth_, clientHeight_, storedBox_.xmin, storedBox_.xmax, storedBox_.ymin,
                   storedBox_.ymax);
}

bool MainWindow::OnCommand(int menuId) {
  using namespace menu_id;
  switch (menuId) {
    case kOpen: OpenModelFileCommand(*this); return true;
    case kExport: ExportModelFileCommand(*this); return true;
    case kStructure:
      ShowStructure();
      services_.repaint.FullRepaint();
      return true;
    case kNodeNumbers: ToggleNumbers(display_.nodeNumbers, menuId); return true;
    case kElemNumbers: ToggleNumbers(display_.elementNumbers, menuId); return true;
    case kBlackBackground:
    case kWhiteBackground:
      MoveCheckMark(markedBackground_, menuId);
      display_.backgroundIndex = menuId - kBlackBackground;
      return true;
    case kPointPick:
    case kRectanglePick:
      MoveCheckMark(markedPickMode_, menuId);
      interaction_.SetRectanglePick(menuId == kRectanglePick);
      return true;
    case kPickNode: interaction_.SetMode(InteractionMode::PickNode); return true;
    case kPickElemEdge: interaction_.SetMode(InteractionMode::PickElemEdge); return true;
    case kPickGeoPt: interaction_.SetMode(InteractionMode::PickGeoPt); return true;
    case kPickPolygon: interaction_.SetMode(InteractionMode::PickPolygon); return true;
    case kBoundaryCondition: RunBoundaryConditionDialog(); return true;
    case kMaterial: RunMaterialDialog(); return true;
    case kCreateGeoPt: OpenModelingDialog(*this, dialog_id::kCreateGeoPt); return true;
    case kCreatePolygon: OpenModelingDialog(*this, dialog_id::kCreatePolygon); return true;
    case kMeshQuad: OpenModelingDialog(*this, dialog_id::kMeshQuad); return true;
    case kForce: OpenModelingDialog(*this, dialog_id::kForce); return true;
    case kDistributedLoad: OpenModelingDialog(*this, dialog_id::kDistributedLoad); return true;
    case kDeformedShape: ShowDeformedShapeDialog(); return true;
    case kSolve: SolveCommand(*this); return true;
    case kContour: ContourCommand(*this); return true;
    case kNodeDof: services_.programs.ShowTextFile(kNodeDisplacementFile); return true;
    case kNodeStress: services_.programs.ShowTextFile(kNodeStressFile); return true;
    case kElementStress: services_.programs.ShowTextFile(kElementStressFile); return true;
    default: return false;
  }
}

void MainWindow::ShowStructure() {
  display_.showStructure = true;
  display_.showDeformed = false;
  services_.menuChecks.SetChecked(menu_id::kStructure, true);
}

void MainWindow::ToggleNumbers(bool& flag, int menuId) {
  flag = !flag;
  services_.menuChecks.SetChecked(menuId, flag);
  services_.repaint.FullRepaint();
}

void MainWindow::MoveCheckMark(int& markedId, int chosenId) {
  services_.menuChecks.SetChecked(markedId, false);
  services_.menuChecks.SetChecked(chosenId, true);
  markedId = chosenId;
  services_.repaint.FullRepaint();
}

void MainWindow::RunBoundaryConditionDialog() {
  BoundaryConditionDialog dialog;
  if (services_.dialogs.RunModal(FindDialogTemplate(dialog_id::kBoundaryCondition), dialog) != 1) {
    return;
  }
  model_->ApplyConstraint(dialog.ux(), dialog.uy());
  services_.repaint.Repaint();
}

void MainWindow::RunMaterialDialog() {
  MaterialDialog dialog(*model_);
  if (services_.dialogs.RunModal(FindDialogTemplate(dialog_id::kMaterial), dialog) == 1) {
    services_.repaint.Repaint();
  }
}

void MainWindow::ShowDeformedShapeDialog() {
  if (!model_->solved()) {
    services_.notifier.ShowMessage("绘制变形图之前, 应首先进行计算!", kWarningCaption);
  }
  OpenModelingDialog(*this, dialog_id::kDeformedShape);
}

void MainWindow::OnChar(char32_t character) {
  switch (character) {
    case 27:
      model_->ClearSelection();
      services_.repaint.Repaint();
      break;
    case 'P':
    case 'p': interaction_.StartPan(); break;
    case 'S':
    case 's': interaction_.SetMode(InteractionMode::PickNode); break;
    case 'X':
    case 'x':
      view_->FitToBox();
      services_.repaint.Repaint();
      break;
    case 'Z':
    case 'z': interaction_.SetMode(InteractionMode::ZoomWindow); break;
    default: break;
  }
}

void MainWindow::OnLeftButtonDown(int x, int y) {
  if (interaction_.LeftClick({x, y}, *model_, *view_)) services_.repaint.Repaint();
}

void MainWindow::OnMouseMove(int x, int y) {
  if (interaction_.MouseMove({x, y}, *view_)) services_.repaint.Repaint();
}

void MainWindow::OnWheel(int x, int y, int delta) {
  if (interaction_.Wheel({x, y}, delta, *view_)) services_.repaint.Repaint();
}

// The zoom rectangle lies under the model, the selection rectangle over it.
void MainWindow::Paint(Canvas& canvas) {
  canvas.FillBackground(display_.Background());
  const ScreenPoint start = interaction_.rubberBandStart();
  const ScreenPoint end = interaction_.rubberBandEnd();
  if (interaction_.ShowsZoomRect()) DrawZoomRect(canvas, start.x, start.y, end.x, end.y);
  if (display_.showStructure) {
    DrawStructure(*model_, *view_, canvas, display_.nodeNumbers, display_.elementNumbers);
  }
  if (model_->solved() && display_.showDeformed) DrawDeformedShape(*model_, *view_, canvas);
  if (interaction_.ShowsPickRect()) DrawPickRect(canvas, start.x, start.y, end.x, end.y);
}

void MainWindow::ReplaceModel(std::unique_ptr<Model> model, std::unique_ptr<ViewTransform> view) {
  model_ = std::move(model);
  view_ = std::move(view);
  storedBox_ = model_->ComputeBoundingBox();
  FitViewToStoredBox();
  model_->ComputeForceScale();
  model_->ComputeDistributedLoadScale();
  ShowStructure();
  services_.repaint.Repaint();
}

void MainWindow::RefitToModel() {
  storedBox_ = model_->ComputeBoundingBox();
  FitViewToStoredBox();
  services_.repaint.FullRepaint();
}

void MainWindow::ShowDeformedShape(bool withStructure) {
  display_.showDeformed = true;
  display_.showStructure = withStructure;
  services_.menuChecks.SetChecked(menu_id::kStructure, withStructure);
  services_.repaint.FullRepaint();
}

}  // namespace kestrix

#include "main_window.h"

#include <filesystem>

#include "deformation_scale_choice.h"
#include "delete_command.h"
#include "dialog_templates.h"
#include "document_title.h"
#include "drawing_extent.h"
#include "external_programs.h"
#include "menu_resource.h"
#include "modal_dialogs.h"
#include "model_file_commands.h"
#include "modeless_dialogs.h"
#include "model_step_names.h"
#include "rubber_band.h"
#include "structure_rendering.h"

namespace kestrix {

MainWindow::MainWindow(const MainWindowServices& services)
    : m_services(services),
      m_view(std::make_unique<ViewTransform>()),
      m_model(std::make_unique<Model>()),
      m_markedPickMode(menu_id::kRectanglePick),
      m_markedBackground(menu_id::kBlackBackground),
      m_deformedShapeChoice(control_id::kDefAndUndeformed),
      m_recentFiles(services.recentFileStore, services.notifier) {
  m_model->AttachView(m_view.get());
  m_model->AttachNotifier(&m_services.notifier);
}

void MainWindow::OnSize(int width, int height) {
  m_clientWidth = width;
  m_clientHeight = height;
  FitViewToStoredBox();
}

void MainWindow::FitViewToStoredBox() {
  m_view->SetWindow(m_clientWidth, m_clientHeight, m_storedBox.xmin, m_storedBox.xmax, m_storedBox.ymin,
                   m_storedBox.ymax);
}

bool MainWindow::OnCommand(int menuId) {
  const bool handled = DispatchCommand(menuId);
  UpdateDocumentFrame();
  return handled;
}

bool MainWindow::DispatchCommand(int menuId) {
  using namespace menu_id;
  if (menuId >= kRecentFileFirst && menuId <= kRecentFileLast) {
    OpenRecentFileCommand(*this, menuId - kRecentFileFirst);
    return true;
  }
  switch (menuId) {
    case kNew: NewModelCommand(*this); return true;
    case kOpen: OpenModelFileCommand(*this); return true;
    case kSave: SaveModelFileCommand(*this); return true;
    case kExport: ExportModelFileCommand(*this); return true;
    case kExit: m_services.frame.CloseWindow(); return true;
    case kUndo: UndoOrRedo(true); return true;
    case kRedo: UndoOrRedo(false); return true;
    case kStructure:
      ShowStructure();
      m_services.repaint.FullRepaint();
      return true;
    case kNodeNumbers: ToggleFlag(m_display.nodeNumbers, menuId); return true;
    case kElemNumbers: ToggleFlag(m_display.elementNumbers, menuId); return true;
    case kBlackBackground:
    case kWhiteBackground:
      MoveCheckMark(m_markedBackground, menuId);
      m_display.backgroundIndex = menuId - kBlackBackground;
      return true;
    case kPointPick:
    case kRectanglePick:
      MoveCheckMark(m_markedPickMode, menuId);
      m_interaction.SetRectanglePick(menuId == kRectanglePick);
      return true;
    case kPickNode: m_interaction.SetMode(InteractionMode::PickNode); return true;
    case kPickElemEdge: m_interaction.SetMode(InteractionMode::PickElemEdge); return true;
    case kPickGeoPt: m_interaction.SetMode(InteractionMode::PickGeoPt); return true;
    case kPickPolygon: m_interaction.SetMode(InteractionMode::PickPolygon); return true;
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
    case kNodeDof: m_services.programs.ShowTextFile(kNodeDisplacementFile); return true;
    case kNodeStress: m_services.programs.ShowTextFile(kNodeStressFile); return true;
    case kElementStress: m_services.programs.ShowTextFile(kElementStressFile); return true;
    case kReactionForces: m_services.programs.ShowTextFile(kNodeReactionFile); return true;
    case kReactionArrows: ToggleFlag(m_display.reactionArrows, menuId); return true;
    case kDelete: DeleteCommand(*this); return true;
    default: return false;
  }
}

void MainWindow::RecordModelStep(const std::string& name) {
  m_history.Record(*m_model, name);
  ShowDocumentState();
}

void MainWindow::UndoOrRedo(bool undo) {
  if (undo ? m_history.Undo(*m_model) : m_history.Redo(*m_model)) m_services.repaint.FullRepaint();
}

void MainWindow::UpdateDocumentFrame() {
  m_history.Settle(*m_model);
  ShowDocumentState();
}

void MainWindow::ShowDocumentState() {
  std::error_code ignored;
  const std::string folder = std::filesystem::current_path(ignored).string();
  m_services.frame.SetTitle(DocumentTitle(m_documentPath, m_history.IsModified(), folder));
  const bool canUndo = m_history.CanUndo();
  const bool canRedo = m_history.CanRedo();
  m_services.frame.SetCommandText(
      menu_id::kUndo, canUndo ? "&Undo " + m_history.undoName() : "&Undo", canUndo);
  m_services.frame.SetCommandText(
      menu_id::kRedo, canRedo ? "&Redo " + m_history.redoName() : "&Redo", canRedo);
  m_services.frame.SetRecentFiles(m_recentFiles.MenuLabels());
}

bool MainWindow::QueryClose() { return ConfirmDiscardChanges(*this); }

void MainWindow::ShowStructure() {
  m_display.showStructure = true;
  m_display.showDeformed = false;
  m_services.menuChecks.SetChecked(menu_id::kStructure, true);
}

void MainWindow::ToggleFlag(bool& flag, int menuId) {
  flag = !flag;
  m_services.menuChecks.SetChecked(menuId, flag);
  m_services.repaint.FullRepaint();
}

void MainWindow::MoveCheckMark(int& markedId, int chosenId) {
  m_services.menuChecks.SetChecked(markedId, false);
  m_services.menuChecks.SetChecked(chosenId, true);
  markedId = chosenId;
  m_services.repaint.FullRepaint();
}

void MainWindow::RunBoundaryConditionDialog() {
  BoundaryConditionDialog dialog;
  if (m_services.dialogs.RunModal(FindDialogTemplate(dialog_id::kBoundaryCondition), dialog) != 1) {
    return;
  }
  RecordModelStep(ConstraintStepName(*m_model));
  m_model->ApplyConstraint(dialog.ux(), dialog.uy());
  m_services.repaint.Repaint();
}

void MainWindow::RunMaterialDialog() {
  MaterialDialog dialog(*m_model);
  // A cancelled dialog leaves the material as it was, and the step is dropped.
  RecordModelStep(kMaterialStepName);
  if (m_services.dialogs.RunModal(FindDialogTemplate(dialog_id::kMaterial), dialog) == 1) {
    m_services.repaint.Repaint();
  }
}

void MainWindow::ShowDeformedShapeDialog() {
  if (!m_model->solved()) {
    m_services.notifier.ShowMessage("绘制变形图之前, 应首先进行计算!", kWarningCaption);
  }
  OpenModelingDialog(*this, dialog_id::kDeformedShape);
}

void MainWindow::OnChar(char32_t character) {
  switch (character) {
    case 27:
      m_model->ClearSelection();
      m_services.repaint.Repaint();
      break;
    case 'P':
    case 'p': m_interaction.StartPan(); break;
    case 'S':
    case 's': m_interaction.SetMode(InteractionMode::PickNode); break;
    case 'X':
    case 'x':
      FitViewToDrawing();
      m_services.repaint.Repaint();
      break;
    case 'Z':
    case 'z': m_interaction.SetMode(InteractionMode::ZoomWindow); break;
    default: break;
  }
}

void MainWindow::OnLeftButtonDown(int x, int y) {
  if (m_interaction.LeftClick({x, y}, *m_model, *m_view)) m_services.repaint.Repaint();
}

void MainWindow::OnMouseMove(int x, int y) {
  m_cursor = ScreenPoint{x, y};
  if (m_interaction.MouseMove({x, y}, *m_view)) m_services.repaint.Repaint();
}

void MainWindow::OnWheel(int x, int y, int delta) {
  if (m_interaction.Wheel({x, y}, delta, *m_view)) m_services.repaint.Repaint();
}

// The zoom rectangle lies under the model, the selection rectangle over it.
void MainWindow::Paint(Canvas& canvas) {
  canvas.FillBackground(m_display.Background());
  const ScreenPoint start = m_interaction.rubberBandStart();
  const ScreenPoint end = m_interaction.rubberBandEnd();
  if (m_interaction.ShowsZoomRect()) DrawZoomRect(canvas, start.x, start.y, end.x, end.y);
  if (m_display.showStructure) {
    DrawStructure(*m_model, *m_view, canvas, m_display);
  }
  if (m_model->solved() && m_display.showDeformed) {
    const double scale = ShownDeformationScale(*m_model, m_display);
    DrawDeformedShape(*m_model, *m_view, canvas, scale);
    if (m_display.reactionArrows) DrawReactions(*m_model, *m_view, canvas, scale);
  }
  if (m_interaction.ShowsPickRect()) DrawPickRect(canvas, start.x, start.y, end.x, end.y);
}

void MainWindow::ReplaceModel(std::unique_ptr<Model> model, std::unique_ptr<ViewTransform> view) {
  m_model = std::move(model);
  m_view = std::move(view);
  m_display.deformationScale.reset();
  m_history.Clear();
  m_storedBox = m_model->ComputeBoundingBox();
  FitViewToStoredBox();
  m_model->ComputeForceScale();
  m_model->ComputeDistributedLoadScale();
  ShowStructure();
  m_services.repaint.Repaint();
}

void MainWindow::RefitToModel() {
  m_storedBox = m_model->ComputeBoundingBox();
  FitViewToStoredBox();
  m_services.repaint.FullRepaint();
}

void MainWindow::ShowDeformedShape(bool withStructure) {
  m_display.showDeformed = true;
  m_display.showStructure = withStructure;
  m_services.menuChecks.SetChecked(menu_id::kStructure, withStructure);
  m_services.repaint.FullRepaint();
}

void MainWindow::FitViewToDrawing() {
  const BoundingBox box = FitBox(*m_model, m_display, m_clientWidth, m_clientHeight);
  m_view->SetWindow(m_clientWidth, m_clientHeight, box.xmin, box.xmax, box.ymin, box.ymax);
}

StatusTexts MainWindow::Status() const {
  std::optional<ModelPosition> cursor;
  if (m_cursor) cursor = m_view->ModelFromScreen(m_cursor->x, m_cursor->y);
  return DescribeStatus(m_interaction, *m_model, m_display, cursor);
}

}  // namespace kestrix

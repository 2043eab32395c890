#pragma once
// The logic of Kestrix's main window: it owns the model and its view, turns
// menu commands, keys, clicks and the wheel into model operations, view
// changes and dialogs, and paints the model. The backend forwards its window
// events here and supplies the platform services.

#include <memory>
#include <optional>
#include <string>

#include "canvas.h"
#include "interaction.h"
#include "status_texts.h"
#include "workspace.h"

namespace kestrix {

class MainWindow : public Workspace {
 public:
  explicit MainWindow(const MainWindowServices& services);

  // Window events; positions are client pixels.
  void OnSize(int width, int height);
  // False when the id has no command here.
  bool OnCommand(int menuId);
  void OnChar(char32_t character);
  void OnLeftButtonDown(int x, int y);
  void OnMouseMove(int x, int y);
  void OnWheel(int x, int y, int delta);
  // Draws the whole client area on `canvas`.
  void Paint(Canvas& canvas);

  // Workspace: what the menu and dialog commands act on.
  Model& model() override { return *m_model; }
  const Model& model() const { return *m_model; }
  const DisplayOptions& display() const override { return m_display; }
  const MainWindowServices& services() const override { return m_services; }
  void ReplaceModel(std::unique_ptr<Model> model, std::unique_ptr<ViewTransform> view) override;
  void RecordModelStep(const std::string& name) override;
  // Also called by the window itself after each command.
  void UpdateDocumentFrame() override;
  ModelHistory& history() override { return m_history; }
  RecentFiles& recentFiles() override { return m_recentFiles; }
  std::string& documentPath() override { return m_documentPath; }
  void RefitToModel() override;
  void ShowDeformedShape(bool withStructure) override;
  void SetDeformationScale(std::optional<double> scale) override {
    m_display.deformationScale = scale;
  }
  std::string& lastChosenFile() override { return m_lastChosenFile; }
  int& deformedShapeChoice() override { return m_deformedShapeChoice; }

  ViewTransform& view() { return *m_view; }
  const Interaction& interaction() const { return m_interaction; }
  const BoundingBox& storedBoundingBox() const { return m_storedBox; }
  // What the status bar shows now.
  StatusTexts Status() const;
  // Whether the window may close: asks to save a modified model first.
  bool QueryClose();
  // Fits the view to everything drawn: the model, its load symbols and the
  // deformed mesh when shown.
  void FitViewToDrawing();

 private:
  void FitViewToStoredBox();
  void ShowStructure();
  void ToggleFlag(bool& flag, int menuId);
  void MoveCheckMark(int& markedId, int chosenId);
  void RunBoundaryConditionDialog();
  void RunMaterialDialog();
  void ShowDeformedShapeDialog();
  bool DispatchCommand(int menuId);
  void UndoOrRedo(bool undo);
  void ShowDocumentState();

  MainWindowServices m_services;
  std::unique_ptr<ViewTransform> m_view;
  std::unique_ptr<Model> m_model;
  int m_clientWidth = 0;
  int m_clientHeight = 0;
  BoundingBox m_storedBox;
  Interaction m_interaction;
  DisplayOptions m_display;
  int m_markedPickMode;
  int m_markedBackground;
  std::string m_lastChosenFile;
  int m_deformedShapeChoice;
  ModelHistory m_history;
  RecentFiles m_recentFiles;
  std::string m_documentPath;
  std::optional<ScreenPoint> m_cursor;
};

}  // namespace kestrix

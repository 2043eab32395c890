#pragma once
// The logic of Kestrix's main window: it owns the model and its view, turns
// menu commands, keys, clicks and the wheel into model operations, view
// changes and dialogs, and paints the model. The backend forwards its window
// events here and supplies the platform services.

#include <memory>
#include <optional>
#include <string>

#include "canvas.h"
#include "display_options.h"
#include "interaction.h"
#include "main_window_services.h"
#include "model.h"
#include "model_history.h"
#include "recent_files.h"
#include "status_texts.h"
#include "view_transform.h"

namespace kestrix {

class MainWindow {
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

  Model& model() { return *m_model; }
  const Model& model() const { return *m_model; }
  ViewTransform& view() { return *m_view; }
  const Interaction& interaction() const { return m_interaction; }
  const DisplayOptions& display() const { return m_display; }
  const MainWindowServices& services() const { return m_services; }
  const BoundingBox& storedBoundingBox() const { return m_storedBox; }
  // What the status bar shows now.
  StatusTexts Status() const;

  // Takes a model opened from a file, with its view, fitted to the window.
  void ReplaceModel(std::unique_ptr<Model> model, std::unique_ptr<ViewTransform> view);
  // Remembers the model as it is before a change, under the name that the
  // Undo and Redo items then show ("Mesh polygon 1"). Every command that
  // changes the model calls it once, right before the change.
  void RecordModelStep(const std::string& name);
  // Shows the title, the undo and redo items and the recent files as they now
  // are, once a step that changed nothing has been dropped; the window calls
  // it after each command.
  void UpdateDocumentFrame();
  // Whether the window may close: asks to save a modified model first.
  bool QueryClose();
  ModelHistory& history() { return m_history; }
  RecentFiles& recentFiles() { return m_recentFiles; }
  // The model file last opened or saved, absolute; empty before there is one.
  std::string& documentPath() { return m_documentPath; }

  // Fits the view to the model's freshly computed bounding box.
  void RefitToModel();
  // The deformed mesh shown, alone or over the structure.
  void ShowDeformedShape(bool withStructure);
  // The user's own deformation scale, or the automatic one when empty.
  void SetDeformationScale(std::optional<double> scale) { m_display.deformationScale = scale; }
  // Fits the view to everything drawn: the model, its load symbols and the
  // deformed mesh when shown.
  void FitViewToDrawing();

  // The path last chosen in the open or save dialog, which both start from.
  std::string& lastChosenFile() { return m_lastChosenFile; }
  // The radio button last chosen in the deformed-shape dialog.
  int& deformedShapeChoice() { return m_deformedShapeChoice; }

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

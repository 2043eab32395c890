#pragma once
// What the commands of the menus and the modeless dialogs act on: the model
// with its display, the document state (file, history, recent files, the
// choices remembered between dialogs) and the platform services. The main
// window implements it and hands itself down, so that the commands never
// depend on the window that dispatches them.

#include <memory>
#include <optional>
#include <string>

#include "display_options.h"
#include "main_window_services.h"
#include "model.h"
#include "model_history.h"
#include "recent_files.h"
#include "view_transform.h"

namespace kestrix {

class Workspace {
 public:
  virtual ~Workspace() = default;

  virtual Model& model() = 0;
  virtual const DisplayOptions& display() const = 0;
  virtual const MainWindowServices& services() const = 0;

  // Takes a model opened from a file, with its view, fitted to the window.
  virtual void ReplaceModel(std::unique_ptr<Model> model, std::unique_ptr<ViewTransform> view) = 0;
  // Remembers the model as it is before a change, under the name that the
  // Undo and Redo items then show ("Mesh polygon 1"). Every command that
  // changes the model calls it once, right before the change.
  virtual void RecordModelStep(const std::string& name) = 0;
  // Shows the title, the undo and redo items and the recent files as they now
  // are, once a step that changed nothing has been dropped.
  virtual void UpdateDocumentFrame() = 0;
  virtual ModelHistory& history() = 0;
  virtual RecentFiles& recentFiles() = 0;
  // The model file last opened or saved, absolute; empty before there is one.
  virtual std::string& documentPath() = 0;

  // Fits the view to the model's freshly computed bounding box.
  virtual void RefitToModel() = 0;
  // The deformed mesh shown, alone or over the structure.
  virtual void ShowDeformedShape(bool withStructure) = 0;
  // The user's own deformation scale, or the automatic one when empty.
  virtual void SetDeformationScale(std::optional<double> scale) = 0;

  // The path last chosen in the open or save dialog, which both start from.
  virtual std::string& lastChosenFile() = 0;
  // The radio button last chosen in the deformed-shape dialog.
  virtual int& deformedShapeChoice() = 0;
};

}  // namespace kestrix

#include "model_file_commands.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "workspace.h"
#include "model_file_reader.h"
#include "model_file_writer.h"

namespace kestrix {
namespace {

namespace fs = std::filesystem;

constexpr const char* kProbeFile = "temp.tmp";

// Makes the folder of `path` the current directory; returns the path made
// absolute first, so that a relative one keeps naming the same file.
std::string MoveIntoFolderOf(const std::string& path) {
  std::error_code ignored;
  const fs::path absolute = fs::absolute(path, ignored);
  fs::current_path(absolute.parent_path(), ignored);
  return absolute.string();
}

// Shows the dialog from the last chosen file; a chosen file is remembered and
// its folder becomes the current directory.
std::optional<std::string> ChooseFile(Workspace& workspace, FileDialogKind kind,
                                      const std::string& title) {
  std::optional<std::string> path =
      workspace.services().fileDialogs.AskForFile(kind, title, workspace.lastChosenFile());
  if (!path) return std::nullopt;
  workspace.lastChosenFile() = *path;
  return MoveIntoFolderOf(*path);
}

// Creates the probe only where nothing of its name exists, so that a file of
// the user's is never overwritten or removed; deletes it again.
bool CreateAndRemoveProbe(const std::string& name) {
  std::FILE* probe = std::fopen(name.c_str(), "wx");
  if (probe == nullptr) return false;
  std::fclose(probe);
  std::remove(name.c_str());
  return true;
}

// Writes the model to `path`; once it is written whole, that is the model's
// file and the model counts as saved.
bool SaveTo(Workspace& workspace, const std::string& path) {
  if (!ExportModelFile(workspace.model(), path)) return false;
  workspace.documentPath() = path;
  workspace.lastChosenFile() = path;
  workspace.history().MarkSaved();
  workspace.recentFiles().Add(path);
  return true;
}

std::string SaveQuestion(const std::string& documentPath) {
  if (documentPath.empty()) return "当前模型已修改, 尚未保存到文件。是否保存?";
  return "当前模型已修改, 是否保存到 " + documentPath + "?";
}

}  // namespace

bool CurrentDirectoryIsWritable() {
  std::error_code error;
  if (!fs::exists(kProbeFile, error)) return CreateAndRemoveProbe(kProbeFile);
  return CreateAndRemoveProbe(std::string(kProbeFile) + "." + std::to_string(getpid()));
}

void NewModelCommand(Workspace& workspace) {
  if (!ConfirmDiscardChanges(workspace)) return;
  auto view = std::make_unique<ViewTransform>();
  auto model = std::make_unique<Model>();
  model->AttachView(view.get());
  model->AttachNotifier(&workspace.services().notifier);
  workspace.ReplaceModel(std::move(model), std::move(view));
  workspace.documentPath().clear();
}

void OpenModelFileCommand(Workspace& workspace) {
  if (!ConfirmDiscardChanges(workspace)) return;
  const std::optional<std::string> path =
      ChooseFile(workspace, FileDialogKind::Open, "Open File of Kestrix ");
  if (path) OpenModelFileAt(workspace, *path);
}

void OpenRecentFileCommand(Workspace& workspace, int index) {
  const std::vector<std::string>& paths = workspace.recentFiles().paths();
  if (index < 0 || index >= std::ssize(paths)) return;
  const std::string path = paths[index];
  std::error_code error;
  if (!fs::exists(path, error)) {
    workspace.services().notifier.ShowMessage("文件 " + path + " 已不存在!", kWarningCaption);
    workspace.recentFiles().Remove(path);
    return;
  }
  if (ConfirmDiscardChanges(workspace)) OpenModelFileAt(workspace, path);
}

void OpenModelFileAt(Workspace& workspace, const std::string& chosenPath) {
  const std::string path = MoveIntoFolderOf(chosenPath);
  Notifier& notifier = workspace.services().notifier;
  if (!CurrentDirectoryIsWritable()) {
    notifier.ShowMessage("当前文件所在设备无法写入!这样会造成某些计算结果无法输出。",
                         kWarningCaption);
    return;
  }
  auto view = std::make_unique<ViewTransform>();
  std::unique_ptr<Model> model = OpenModelFile(path, view.get(), notifier);
  if (model == nullptr) return;
  workspace.ReplaceModel(std::move(model), std::move(view));
  workspace.documentPath() = path;
  workspace.lastChosenFile() = path;
  workspace.recentFiles().Add(path);
}

bool SaveModelFileCommand(Workspace& workspace) {
  if (workspace.documentPath().empty()) return ExportModelFileCommand(workspace);
  return SaveTo(workspace, workspace.documentPath());
}

bool ExportModelFileCommand(Workspace& workspace) {
  const std::optional<std::string> path =
      ChooseFile(workspace, FileDialogKind::Save, "Export FEM information to a text.");
  return path && SaveTo(workspace, *path);
}

bool ConfirmDiscardChanges(Workspace& workspace) {
  workspace.history().Settle(workspace.model());
  if (!workspace.history().IsModified()) return true;
  switch (workspace.services().frame.AskToSaveChanges(SaveQuestion(workspace.documentPath()))) {
    case UnsavedChangesAnswer::Save: return SaveModelFileCommand(workspace);
    case UnsavedChangesAnswer::Discard: return true;
    case UnsavedChangesAnswer::Cancel: return false;
  }
  return false;
}

}  // namespace kestrix

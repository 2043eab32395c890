#include "model_file_commands.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "main_window.h"
#include "model_file_reader.h"
#include "model_file_writer.h"

namespace kestrix {
namespace {

constexpr const char* kProbeFile = "temp.tmp";

// Shows the dialog from the last chosen file; a chosen file is remembered and
// its folder becomes the current directory.
std::optional<std::string> ChooseFile(MainWindow& window, FileDialogKind kind,
                                      const std::string& title) {
  std::optional<std::string> path =
      window.services().fileDialogs.AskForFile(kind, title, window.lastChosenFile());
  if (!path) return std::nullopt;
  window.lastChosenFile() = *path;
  std::error_code ignored;
  std::filesystem::current_path(std::filesystem::absolute(*path).parent_path(), ignored);
  return path;
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

}  // namespace

bool CurrentDirectoryIsWritable() {
  std::error_code error;
  if (!std::filesystem::exists(kProbeFile, error)) return CreateAndRemoveProbe(kProbeFile);
  return CreateAndRemoveProbe(std::string(kProbeFile) + "." + std::to_string(getpid()));
}

void OpenModelFileCommand(MainWindow& window) {
  const std::optional<std::string> path =
      ChooseFile(window, FileDialogKind::Open, "Open File of Kestrix ");
  if (!path) return;
  Notifier& notifier = window.services().notifier;
  if (!CurrentDirectoryIsWritable()) {
    notifier.ShowMessage("当前文件所在设备无法写入!这样会造成某些计算结果无法输出。",
                         kWarningCaption);
    return;
  }
  auto view = std::make_unique<ViewTransform>();
  std::unique_ptr<Model> model = OpenModelFile(*path, view.get(), notifier);
  if (model == nullptr) return;
  window.ReplaceModel(std::move(model), std::move(view));
}

void ExportModelFileCommand(MainWindow& window) {
  const std::optional<std::string> path =
      ChooseFile(window, FileDialogKind::Save, "Export FEM information to a text.");
  if (path) ExportModelFile(window.model(), *path);
}

}  // namespace kestrix

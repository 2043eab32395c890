#include "external_programs.h"

#include <filesystem>
#include <optional>

#include "displacement_reader.h"
#include "workspace.h"
#include "model_file_writer.h"
#include "reaction_reader.h"

namespace kestrix {
namespace {

std::string Quoted(const char* name) { return std::string("\"") + name + "\""; }

std::string MissingSolverMessage() {
  const std::string solver = kSolverProgram;
  return "计算程序" + Quoted(kSolverProgram) + "不存在!请将" + solver +
         "拷贝至当前文件夹或将当前有限元信息文本移至" + solver + "所在文件夹然后重新读取。";
}

// When a file was last written, or nothing when it does not exist.
std::optional<std::filesystem::file_time_type> LastWriteTime(const char* name) {
  std::error_code error;
  const auto time = std::filesystem::last_write_time(name, error);
  if (error) return std::nullopt;
  return time;
}

// Whether the solver ended with status 0; a failed or crashed solver is
// reported, and nothing it left is shown as a result.
bool SolverSucceeded(Notifier& notifier, std::optional<int> exitStatus) {
  if (exitStatus == 0) return true;
  const std::string why = exitStatus ? "异常结束, 退出状态 " + std::to_string(*exitStatus) + "!"
                                     : "未能正常运行!";
  notifier.ShowMessage("计算程序" + Quoted(kSolverProgram) + why + " 不显示计算结果。",
                       kWarningCaption);
  return false;
}

// Reads what the solver wrote in this run; displacements left over from an
// earlier run are never shown as this run's.
void ReadResults(Model& model, Notifier& notifier, bool displacementsRewritten) {
  if (!displacementsRewritten) {
    notifier.ShowMessage("节点位移文件读取错误!", kWarningCaption);
    return;
  }
  if (ReadDisplacements(kNodeDisplacementFile, model)) ReadReactions(kNodeReactionFile, model);
}

}  // namespace

bool FileExists(const std::string& name) {
  std::error_code error;
  return std::filesystem::exists(name, error);
}

std::optional<std::string> FindProgram(const std::string& name, const std::string& ownFolder) {
  if (FileExists(name)) return name;
  if (ownFolder.empty()) return std::nullopt;
  const std::string beside = (std::filesystem::path(ownFolder) / name).string();
  if (FileExists(beside)) return beside;
  return std::nullopt;
}

namespace {

// `writtenPath` now holds the model whole: when it is the model's own file,
// the model counts as saved, so that no later question offers to "discard"
// changes already written there (Solve rewrites fem.txt, the model file of
// every example).
void MarkSavedWhenTheModelsOwnFile(Workspace& workspace, const std::string& writtenPath) {
  const std::string& path = workspace.documentPath();
  std::error_code error;
  if (!path.empty() && std::filesystem::equivalent(path, writtenPath, error)) {
    workspace.history().MarkSaved();
  }
}

}  // namespace

void SolveCommand(Workspace& workspace) {
  const MainWindowServices& services = workspace.services();
  const std::optional<std::string> solver =
      FindProgram(kSolverProgram, services.programs.OwnFolder());
  if (!solver) {
    services.notifier.ShowMessage(MissingSolverMessage(), kWarningCaption);
    return;
  }
  Model& model = workspace.model();
  if (model.NELEM() == 0) {
    services.notifier.ShowMessage("模型中没有单元, 无法计算! 请先划分网格。", kWarningCaption);
    return;
  }
  if (!ExportModelFile(model, kSolveModelFile)) return;
  MarkSavedWhenTheModelsOwnFile(workspace, kSolveModelFile);
  model.SetSolved(false);
  model.ZeroDisplacements();
  model.SetReactions({});
  const auto displacementsBefore = LastWriteTime(kNodeDisplacementFile);
  const std::optional<int> exitStatus = services.programs.RunAndWait(*solver);
  if (!SolverSucceeded(services.notifier, exitStatus)) return;
  const auto displacementsAfter = LastWriteTime(kNodeDisplacementFile);
  ReadResults(model, services.notifier,
              displacementsAfter && displacementsAfter != displacementsBefore);
}

void ContourCommand(Workspace& workspace) {
  const MainWindowServices& services = workspace.services();
  const std::optional<std::string> viewer =
      FindProgram(kContourViewerProgram, services.programs.OwnFolder());
  if (!viewer) {
    services.notifier.ShowMessage(
        "后处理程序" + Quoted(kContourViewerProgram) + "不存在!请将其拷贝至当前文件夹",
        kWarningCaption);
  } else if (!workspace.model().solved()) {
    services.notifier.ShowMessage("绘制应力云图之前, 应首先进行计算!", kWarningCaption);
  } else if (!services.programs.StartDetached(*viewer)) {
    services.notifier.ShowMessage("后处理程序" + Quoted(kContourViewerProgram) + "无法启动!",
                                  kWarningCaption);
  }
}

}  // namespace kestrix

#include "external_programs.h"

#include <filesystem>
#include <optional>

#include "displacement_reader.h"
#include "main_window.h"
#include "model_file_writer.h"

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

// A failed or crashed solver is reported; its results are not trusted then.
void ReportSolverEnd(Notifier& notifier, std::optional<int> exitStatus) {
  if (!exitStatus) {
    notifier.ShowMessage("计算程序" + Quoted(kSolverProgram) + "未能正常运行!", kWarningCaption);
  } else if (*exitStatus != 0) {
    notifier.ShowMessage("计算程序" + Quoted(kSolverProgram) + "异常结束, 退出状态 " +
                             std::to_string(*exitStatus) + "!",
                         kWarningCaption);
  }
}

}  // namespace

bool FileExists(const std::string& name) {
  std::error_code error;
  return std::filesystem::exists(name, error);
}

void SolveCommand(MainWindow& window) {
  const MainWindowServices& services = window.services();
  if (!FileExists(kSolverProgram)) {
    services.notifier.ShowMessage(MissingSolverMessage(), kWarningCaption);
    return;
  }
  Model& model = window.model();
  if (!ExportModelFile(model, kSolveModelFile)) return;
  model.SetSolved(false);
  const auto displacementsBefore = LastWriteTime(kNodeDisplacementFile);
  const std::optional<int> exitStatus = services.programs.RunAndWait(kSolverProgram);
  ReportSolverEnd(services.notifier, exitStatus);
  // Displacements left over from an earlier run are never shown as this run's.
  const auto displacementsAfter = LastWriteTime(kNodeDisplacementFile);
  if (displacementsAfter && displacementsAfter != displacementsBefore) {
    ReadDisplacements(kNodeDisplacementFile, model);
  } else if (exitStatus == 0) {
    services.notifier.ShowMessage("节点位移文件读取错误!", kWarningCaption);
  }
}

void ContourCommand(MainWindow& window) {
  Notifier& notifier = window.services().notifier;
  if (!FileExists(kContourViewerProgram)) {
    notifier.ShowMessage(
        "后处理程序" + Quoted(kContourViewerProgram) + "不存在!请将其拷贝至当前文件夹",
        kWarningCaption);
  } else if (!window.model().solved()) {
    notifier.ShowMessage("绘制应力云图之前, 应首先进行计算!", kWarningCaption);
  } else if (!window.services().programs.StartDetached(kContourViewerProgram)) {
    notifier.ShowMessage("后处理程序" + Quoted(kContourViewerProgram) + "无法启动!",
                         kWarningCaption);
  }
}

}  // namespace kestrix

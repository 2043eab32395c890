// Solvane run as a real process on result files that cannot be written in
// full: a name linked to /dev/full (every write fails with ENOSPC, as on a
// full disk) and a run under a file-size limit (EFBIG). The run names the
// file and the system's reason, ends with status 1 without the closing pause,
// writes nothing after that file and leaves that file empty.

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "child_run.h"
#include "output/result_file_names.h"
#include "solvane_process.h"

namespace solvane {
namespace {

using testing::FilesIn;
using testing::ReadFile;
using testing::RunSolvane;
using testing::ScratchFolder;
using testing::WriteFile;

namespace fs = std::filesystem;

const fs::path kExamples = fs::path(PLATEFEM_SOURCE_DIR) / "examples";

// Every file a run writes, in the order it writes them.
const std::vector<std::string> kResultFilesInOrder(kResultFileNames.begin(),
                                                   kResultFileNames.end());

const std::string kPause = "Press any key to continue";
const std::string kPromptEnd = "退出，请按’Esc退出’键\n";

bool IsDrawing(const std::string& name) { return name.ends_with(".dxf"); }

std::string WriteFailure(const std::string& name, int error) {
  return "结果文件" + name + "写入失败: " + std::strerror(error) + "\n";
}

// What the run prints once `name` has failed with `error`: the reason, then
// for a drawing its retry prompt (answered by the end of input as Esc).
std::string FailureTail(const std::string& name, int error) {
  if (!IsDrawing(name)) return WriteFailure(name, error);
  return WriteFailure(name, error) + "图形文件" + name + "输出失败!\n";
}

// The example's files of a complete run, by name.
std::map<std::string, std::string> CompleteRun(const std::string& example) {
  ScratchFolder dir;
  fs::copy_file(kExamples / example / "fem.txt", dir / "fem.txt");
  EXPECT_EQ(RunSolvane(dir.path()).status, 0);
  std::map<std::string, std::string> files;
  for (const std::string& name : kResultFilesInOrder) files[name] = ReadFile(dir / name);
  return files;
}

// Every file before `failed` is there and complete, none after it.
void ExpectCompleteUpTo(const ScratchFolder& dir, const std::string& failed,
                        const std::map<std::string, std::string>& complete) {
  std::set<std::string> expected = {"fem.txt", failed};
  for (const std::string& name : kResultFilesInOrder) {
    if (name == failed) break;
    expected.insert(name);
    EXPECT_TRUE(ReadFile(dir / name) == complete.at(name)) << name << " before " << failed;
  }
  EXPECT_EQ(FilesIn(dir.path()), expected) << failed;
}

// The run's console from its failure on: the message must close it, with no
// closing pause that would pass for a finished run.
void ExpectEndsWithFailure(const testing::ProcessResult& run, const std::string& name, int error) {
  EXPECT_EQ(run.status, 1) << name;
  const std::size_t at = run.console.find("结果文件" + name);
  ASSERT_NE(at, std::string::npos) << run.console;
  const std::string tail = run.console.substr(at);
  EXPECT_EQ(tail.rfind(FailureTail(name, error), 0), 0u) << tail;
  EXPECT_EQ(IsDrawing(name), tail.ends_with(kPromptEnd)) << tail;
  EXPECT_EQ(run.console.find(kPause), std::string::npos) << name;
}

TEST(ResultWriteFailures, EachResultFileOnAFullDeviceEndsTheRunNamingIt) {
  const std::map<std::string, std::string> complete = CompleteRun("single-element");
  for (const std::string& name : kResultFilesInOrder) {
    ScratchFolder dir;
    fs::copy_file(kExamples / "single-element" / "fem.txt", dir / "fem.txt");
    fs::create_symlink("/dev/full", dir / name);
    const testing::ProcessResult run = RunSolvane(dir.path());
    ExpectEndsWithFailure(run, name, ENOSPC);
    ExpectCompleteUpTo(dir, name, complete);
  }
}

// Under 100 KB the first file, structure.dxf, is cut short; under 200 KB the
// animation, the one file of the cantilever beyond it.
TEST(ResultWriteFailures, FileBeyondTheSizeLimitEndsTheRunAndIsLeftEmpty) {
  const std::map<std::string, std::string> complete = CompleteRun("cantilever");
  const std::pair<rlim_t, std::string> cases[] = {
      {100 << 10, "structure.dxf"}, {200 << 10, "Animate_Equivalent_Node_Stress_Tecplot.dat"}};
  for (const auto& [limit, name] : cases) {
    ASSERT_GT(complete.at(name).size(), limit) << name;
    ScratchFolder dir;
    fs::copy_file(kExamples / "cantilever" / "fem.txt", dir / "fem.txt");
    const testing::ProcessResult run = RunSolvane(dir.path(), "", {.fileSize = limit});
    ExpectEndsWithFailure(run, name, EFBIG);
    ExpectCompleteUpTo(dir, name, complete);
    EXPECT_EQ(fs::file_size(dir / name), 0u) << name;
  }
}

// A run that ends early in a folder that holds an earlier run's results
// leaves none of them beside its own: a result table that failed, and a model
// file that cannot be read.
TEST(ResultWriteFailures, EarlierRunsResultsDoNotOutliveAFailedRun) {
  const std::map<std::string, std::string> earlier = CompleteRun("single-element");
  ScratchFolder dir;
  fs::copy_file(kExamples / "single-element" / "fem.txt", dir / "fem.txt");
  ASSERT_EQ(RunSolvane(dir.path()).status, 0);
  fs::remove(dir / "Element_Stress.txt");
  fs::create_symlink("/dev/full", dir / "Element_Stress.txt");
  ExpectEndsWithFailure(RunSolvane(dir.path()), "Element_Stress.txt", ENOSPC);
  ExpectCompleteUpTo(dir, "Element_Stress.txt", earlier);

  fs::remove(dir / "Element_Stress.txt");
  ASSERT_EQ(RunSolvane(dir.path()).status, 0);
  WriteFile(dir / "fem.txt", "NPOIN=x\n");
  EXPECT_EQ(RunSolvane(dir.path()).status, 1);
  EXPECT_EQ(FilesIn(dir.path()), std::set<std::string>{"fem.txt"});
}

// The retry prompt covers a drawing that failed while being written: once the
// cause is gone, Enter writes it whole and the run goes on to its end.
TEST(ResultWriteFailures, DrawingThatFailedIsWrittenAgainOnRetry) {
  const std::map<std::string, std::string> complete = CompleteRun("single-element");
  ScratchFolder dir;
  fs::copy_file(kExamples / "single-element" / "fem.txt", dir / "fem.txt");
  fs::create_symlink("/dev/full", dir / "deformation.dxf");
  testing::ChildRun run(SOLVANE_PATH, dir.path(), testing::ChildRun::Console::kPipes);
  ASSERT_TRUE(run.WaitForOutput(kPromptEnd));
  EXPECT_NE(run.Output().find(WriteFailure("deformation.dxf", ENOSPC)), std::string::npos);
  fs::remove(dir / "deformation.dxf");
  run.Send("\r");
  run.CloseInput();  // also answers the closing pause
  EXPECT_EQ(run.ExitStatus(), 0);
  for (const std::string& name : kResultFilesInOrder) {
    EXPECT_TRUE(ReadFile(dir / name) == complete.at(name)) << name;
  }
}

}  // namespace
}  // namespace solvane

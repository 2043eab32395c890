// The retry prompt of the drawings, driven as a real process: this test
// program starts itself again as a run that writes one drawing, with a
// directory standing in the drawing's place so that opening it fails.

#include "output/prompt_output_retry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "child_run.h"
#include "output/dxf_drawings.h"
#include "output_test_models.h"

namespace solvane {
namespace {

using namespace testing;  // the output test models and scratch files

constexpr const char* kChildVariable = "PLATEFEM_DRAWING_CHILD";

// Started again with kChildVariable naming a drawing, this program writes that
// drawing of a one-element model in its current directory and ends with the
// exit status the run would end with.
const bool kRunsAsChild = [] {
  const char* drawing = std::getenv(kChildVariable);
  if (drawing == nullptr) return false;
  AnalysisData data = OneElementModel(0, 0, 10, 10);
  data.displacement[4] = 1;
  const bool written = std::string_view(drawing) == "structure.dxf"
                           ? WriteStructureDxf(data, drawing)
                           : WriteDeformationDxf(data, drawing);
  std::exit(written ? 0 : 1);
}();

const std::string kPrompt =
    "图形文件structure.dxf输出失败!\n"
    "失败原因可能有:\n"
    "    (1)上一次程序运行生成的图形文件structure.dxf正在被别的程序(比如AutoCAD)占用导致无法写入;\n"
    "    (2)您正在不可写入的磁盘/驱动器上运行程序\n"
    "重试，请按'Enter回车键'；退出，请按’Esc退出’键\n";
const std::string kPromptEnd = "退出，请按’Esc退出’键";
const std::string kOtherKey = "您按了其他键,请重新选择";

void BlockWithDirectory(const ScratchFolder& dir, const char* drawing) {
  std::filesystem::create_directory(PathIn(dir, drawing));
}

void Unblock(const ScratchFolder& dir, const char* drawing) {
  std::filesystem::remove(PathIn(dir, drawing));
}

// This test program started again as a run that writes `drawing`.
ChildRun DrawingRun(const ScratchFolder& dir, const char* drawing, ChildRun::Console console) {
  return ChildRun("/proc/self/exe", dir.path(), console, kChildVariable, drawing);
}

TEST(PromptOutputRetry, OtherKeysAskAgainAndEscapeEndsTheRunWithStatusOne) {
  ScratchFolder dir;
  BlockWithDirectory(dir, "structure.dxf");
  ChildRun run = DrawingRun(dir, "structure.dxf", ChildRun::Console::kPipes);
  run.Send("x7\x1b");
  run.CloseInput();
  EXPECT_EQ(run.ExitStatus(), 1);
  EXPECT_EQ(run.Output(), kPrompt + kOtherKey + "\n" + kOtherKey + "\n");
}

TEST(PromptOutputRetry, EnterReopensUntilTheDrawingCanBeWritten) {
  ScratchFolder dir;
  BlockWithDirectory(dir, "deformation.dxf");
  ChildRun run = DrawingRun(dir, "deformation.dxf", ChildRun::Console::kPipes);
  ASSERT_TRUE(run.WaitForOutput(kPromptEnd));
  EXPECT_NE(run.Output().find("图形文件deformation.dxf输出失败!\n"), std::string::npos);
  EXPECT_NE(run.Output().find("生成的图形文件deformation.dxf正在被"), std::string::npos);
  run.Send("\n");  // still blocked: the whole prompt comes again
  ASSERT_TRUE(run.WaitForOutput(kPromptEnd, 2));
  Unblock(dir, "deformation.dxf");
  run.Send("\r");
  EXPECT_EQ(run.ExitStatus(), 0);
  EXPECT_EQ(ReadLines(PathIn(dir, "deformation.dxf")).size(), 5u + 4 * 16 + 3);
}

TEST(PromptOutputRetry, ClosedInputCountsAsExit) {
  ScratchFolder dir;
  BlockWithDirectory(dir, "structure.dxf");
  ChildRun run = DrawingRun(dir, "structure.dxf", ChildRun::Console::kPipes);
  run.CloseInput();
  EXPECT_EQ(run.ExitStatus(), 1);
  EXPECT_EQ(run.Output(), kPrompt);
}

TEST(PromptOutputRetry, OnATerminalKeysAnswerAtOnceWithoutEcho) {
  ScratchFolder dir;
  BlockWithDirectory(dir, "structure.dxf");
  ChildRun run = DrawingRun(dir, "structure.dxf", ChildRun::Console::kTerminal);
  ASSERT_TRUE(run.WaitForOutput(kPromptEnd));
  ASSERT_TRUE(run.WaitForKeyReading());
  const size_t afterPrompt = run.Output().size();
  run.Send("q");  // no Enter follows
  ASSERT_TRUE(run.WaitForOutput(kOtherKey));
  EXPECT_EQ(run.Output().find('q', afterPrompt), std::string::npos);
  ASSERT_TRUE(run.WaitForKeyReading());
  Unblock(dir, "structure.dxf");
  run.Send("\r");
  EXPECT_EQ(run.ExitStatus(), 0);
  EXPECT_EQ(run.Output().find('q', afterPrompt), std::string::npos);
  EXPECT_TRUE(std::filesystem::is_regular_file(PathIn(dir, "structure.dxf")));
}

TEST(PromptOutputRetry, OnATerminalAnArrowKeyIsAnOtherKeyNotEscape) {
  ScratchFolder dir;
  BlockWithDirectory(dir, "structure.dxf");
  ChildRun run = DrawingRun(dir, "structure.dxf", ChildRun::Console::kTerminal);
  ASSERT_TRUE(run.WaitForOutput(kPromptEnd));
  ASSERT_TRUE(run.WaitForKeyReading());
  run.Send("\x1b[A");  // the up arrow starts with the Esc byte
  ASSERT_TRUE(run.WaitForOutput(kOtherKey));
  ASSERT_TRUE(run.WaitForKeyReading());
  run.Send("\x1b");
  EXPECT_EQ(run.ExitStatus(), 1);
}

TEST(PromptOutputRetry, SolvaneGoesOnWithTheNextResultOnceTheDrawingIsWritten) {
  ScratchFolder dir;
  std::filesystem::copy_file(PLATEFEM_SOURCE_DIR "/examples/single-element/fem.txt",
                             PathIn(dir, "fem.txt"));
  BlockWithDirectory(dir, "deformation.dxf");
  ChildRun run(SOLVANE_PATH, dir.path(), ChildRun::Console::kPipes);
  ASSERT_TRUE(run.WaitForOutput(kPromptEnd));
  EXPECT_TRUE(std::filesystem::exists(PathIn(dir, "Node_Dis.txt")));
  EXPECT_FALSE(std::filesystem::exists(PathIn(dir, "Node_Stress.txt")));
  Unblock(dir, "deformation.dxf");
  run.Send("\r");
  run.CloseInput();  // also answers the closing pause
  EXPECT_EQ(run.ExitStatus(), 0);
  EXPECT_TRUE(std::filesystem::is_regular_file(PathIn(dir, "deformation.dxf")));
  EXPECT_TRUE(std::filesystem::exists(PathIn(dir, "Node_Stress.txt")));
}

}  // namespace
}  // namespace solvane

// The retry prompt of the drawings, driven as a real process: this test
// program starts itself again as a run that writes one drawing, with a
// directory standing in the drawing's place so that opening it fails.

#include "prompt_output_retry.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <thread>

#include "dxf_drawings.h"
#include "output_test_models.h"

namespace solvane {
namespace {

using testing::OneElementModel;
using testing::ReadLines;
using testing::ScratchDirectory;

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

constexpr auto kPatience = std::chrono::seconds(20);

// One run of the child, its standard input and output on pipes or on the
// slave side of a pseudo-terminal.
class DrawingRun {
 public:
  DrawingRun(const ScratchDirectory& dir, const char* drawing, bool onTerminal) {
    if (onTerminal) {
      pid_ = forkpty(&input_, nullptr, nullptr, nullptr);
      output_ = input_;
    } else {
      StartOnPipes();
    }
    if (pid_ == 0) BecomeChild(dir, drawing);
  }
  ~DrawingRun() {
    if (pid_ > 0 && !exited_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    if (input_ >= 0) close(input_);
    if (output_ >= 0 && output_ != input_) close(output_);
  }

  void Send(std::string_view keys) {
    ASSERT_EQ(write(input_, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
  }

  void CloseInput() {
    close(input_);
    input_ = -1;
  }

  // Reads output until `text` has appeared `times` times in all of it.
  bool WaitForOutput(std::string_view text, int times = 1) {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (Occurrences(text) < times && std::chrono::steady_clock::now() < deadline) {
      if (!ReadSomeOutput()) break;
    }
    return Occurrences(text) >= times;
  }

  // On a terminal: waits until the child has switched echo off to read a key.
  bool WaitForKeyReading() const {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    termios mode{};
    while (std::chrono::steady_clock::now() < deadline) {
      if (tcgetattr(output_, &mode) == 0 && (mode.c_lflag & (ECHO | ICANON)) == 0) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
  }

  int ExitStatus() {
    while (ReadSomeOutput()) {
    }
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    int status = 0;
    while (waitpid(pid_, &status, WNOHANG) == 0) {
      if (std::chrono::steady_clock::now() > deadline) return -1;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    exited_ = true;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  const std::string& Output() const { return text_; }

 private:
  void StartOnPipes() {
    int toChild[2];
    int fromChild[2];
    if (pipe(toChild) != 0 || pipe(fromChild) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      dup2(toChild[0], STDIN_FILENO);
      dup2(fromChild[1], STDOUT_FILENO);
    }
    close(toChild[0]);
    close(fromChild[1]);
    input_ = toChild[1];
    output_ = fromChild[0];
    if (pid_ == 0) {
      close(input_);
      close(output_);
    }
  }

  [[noreturn]] static void BecomeChild(const ScratchDirectory& dir, const char* drawing) {
    if (chdir(dir.Path().c_str()) == 0) {
      setenv(kChildVariable, drawing, 1);
      execl("/proc/self/exe", "drawing-run", static_cast<char*>(nullptr));
    }
    _exit(127);
  }

  // False when the output has ended (or nothing came for the whole patience).
  bool ReadSomeOutput() {
    pollfd ready{output_, POLLIN, 0};
    if (poll(&ready, 1, static_cast<int>(kPatience.count() * 1000)) <= 0) return false;
    char buffer[4096];
    const ssize_t got = read(output_, buffer, sizeof buffer);
    if (got <= 0) return false;
    text_.append(buffer, got);
    return true;
  }

  int Occurrences(std::string_view text) const {
    int count = 0;
    for (size_t at = text_.find(text); at != std::string::npos; at = text_.find(text, at + 1)) {
      ++count;
    }
    return count;
  }

  pid_t pid_ = -1;
  int input_ = -1;
  int output_ = -1;
  bool exited_ = false;
  std::string text_;
};

void BlockWithDirectory(const ScratchDirectory& dir, const char* drawing) {
  std::filesystem::create_directory(dir.File(drawing));
}

void Unblock(const ScratchDirectory& dir, const char* drawing) {
  std::filesystem::remove(dir.File(drawing));
}

TEST(PromptOutputRetry, OtherKeysAskAgainAndEscapeEndsTheRunWithStatusOne) {
  ScratchDirectory dir;
  BlockWithDirectory(dir, "structure.dxf");
  DrawingRun run(dir, "structure.dxf", false);
  run.Send("x7\x1b");
  run.CloseInput();
  EXPECT_EQ(run.ExitStatus(), 1);
  EXPECT_EQ(run.Output(), kPrompt + kOtherKey + "\n" + kOtherKey + "\n");
}

TEST(PromptOutputRetry, EnterReopensUntilTheDrawingCanBeWritten) {
  ScratchDirectory dir;
  BlockWithDirectory(dir, "deformation.dxf");
  DrawingRun run(dir, "deformation.dxf", false);
  ASSERT_TRUE(run.WaitForOutput(kPromptEnd));
  EXPECT_NE(run.Output().find("图形文件deformation.dxf输出失败!\n"), std::string::npos);
  EXPECT_NE(run.Output().find("生成的图形文件deformation.dxf正在被"), std::string::npos);
  run.Send("\n");  // still blocked: the whole prompt comes again
  ASSERT_TRUE(run.WaitForOutput(kPromptEnd, 2));
  Unblock(dir, "deformation.dxf");
  run.Send("\r");
  EXPECT_EQ(run.ExitStatus(), 0);
  EXPECT_EQ(ReadLines(dir.File("deformation.dxf")).size(), 5u + 4 * 16 + 3);
}

TEST(PromptOutputRetry, ClosedInputCountsAsExit) {
  ScratchDirectory dir;
  BlockWithDirectory(dir, "structure.dxf");
  DrawingRun run(dir, "structure.dxf", false);
  run.CloseInput();
  EXPECT_EQ(run.ExitStatus(), 1);
  EXPECT_EQ(run.Output(), kPrompt);
}

TEST(PromptOutputRetry, OnATerminalKeysAnswerAtOnceWithoutEcho) {
  ScratchDirectory dir;
  BlockWithDirectory(dir, "structure.dxf");
  DrawingRun run(dir, "structure.dxf", true);
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
  EXPECT_TRUE(std::filesystem::is_regular_file(dir.File("structure.dxf")));
}

}  // namespace
}  // namespace solvane

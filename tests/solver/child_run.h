#pragma once
// Runs a program as a child process and talks to it through its console, as a
// user would: keys in, text out, then its exit status.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <thread>

namespace solvane::testing {

constexpr auto kPatience = std::chrono::seconds(20);

// A program run in `directory` with `variable` set to `value` (when a
// variable is given), its standard input and output on pipes or on the slave
// side of a pseudo-terminal. The run is killed if the test ends before it.
class ChildRun {
 public:
  enum class Console { kPipes, kTerminal };

  ChildRun(const std::string& program, const std::filesystem::path& directory, Console console,
           const char* variable = nullptr, const char* value = nullptr) {
    if (console == Console::kTerminal) {
      pid_ = forkpty(&input_, nullptr, nullptr, nullptr);
      output_ = input_;
    } else {
      StartOnPipes();
    }
    if (pid_ == 0) BecomeChild(program, directory, variable, value);
  }
  ChildRun(const ChildRun&) = delete;
  ChildRun& operator=(const ChildRun&) = delete;
  ~ChildRun() {
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

  [[noreturn]] static void BecomeChild(const std::string& program,
                                       const std::filesystem::path& directory,
                                       const char* variable, const char* value) {
    if (chdir(directory.c_str()) == 0) {
      if (variable != nullptr) setenv(variable, value, 1);
      execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
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

}  // namespace solvane::testing

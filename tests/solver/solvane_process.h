#pragma once
// Runs the built Solvane as a real process in a scratch folder, the way a
// user or the front end starts it, and collects what it leaves behind.

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>

#include "support/scratch_folder.h"

namespace solvane::testing {

namespace fs = std::filesystem;

using test_support::ReadFile;
using test_support::ScratchFolder;
using test_support::WriteFile;

struct ProcessResult {
  int status = -1;  // exit status, or -1 when the process did not exit normally
  std::string console;
};

// Limits set on the process, in bytes; 0 leaves a limit as it is.
struct ProcessLimits {
  rlim_t addressSpace = 0;
  // The largest file it may write. SIGXFSZ is ignored, so that a write
  // beyond it fails with EFBIG as on a full disk instead of ending the process.
  rlim_t fileSize = 0;
};

inline void SetLimit(int resource, rlim_t bytes) {
  const rlimit limit{bytes, bytes};
  if (bytes != 0) setrlimit(resource, &limit);
}

// Runs Solvane in `directory` with `input` as its whole standard input; an
// alarm ends a run that would wait forever.
inline ProcessResult RunSolvane(const fs::path& directory, const std::string& input = "",
                                ProcessLimits limits = {}) {
  int in[2];
  int out[2];
  if (pipe(in) != 0 || pipe(out) != 0) return {};
  const pid_t child = fork();
  if (child == 0) {
    dup2(in[0], STDIN_FILENO);
    dup2(out[1], STDOUT_FILENO);
    close(in[1]);
    close(out[0]);
    if (chdir(directory.c_str()) != 0) _exit(127);
    SetLimit(RLIMIT_AS, limits.addressSpace);
    if (limits.fileSize != 0) signal(SIGXFSZ, SIG_IGN);
    SetLimit(RLIMIT_FSIZE, limits.fileSize);
    alarm(60);
    execl(SOLVANE_PATH, "Solvane", static_cast<char*>(nullptr));
    _exit(127);
  }
  close(in[0]);
  close(out[1]);
  (void)!write(in[1], input.data(), input.size());
  close(in[1]);
  ProcessResult result;
  char buffer[4096];
  ssize_t got;
  while ((got = read(out[0], buffer, sizeof buffer)) > 0) result.console.append(buffer, got);
  close(out[0]);
  int status = 0;
  waitpid(child, &status, 0);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

// Names of the entries of `directory`.
inline std::set<std::string> FilesIn(const fs::path& directory) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(directory)) names.insert(entry.path().filename());
  return names;
}

// The console text with the measured time and its unit replaced by "T", so
// that runs compare (a slow run prints seconds where a fast one prints ms).
inline std::string WithoutTime(std::string console) {
  const std::string marker = "(Solution time:";
  const std::size_t at = console.find(marker);
  if (at == std::string::npos) return console;
  const std::size_t start = at + marker.size();
  return console.substr(0, start) + "T" + console.substr(console.find(')', start));
}

}  // namespace solvane::testing

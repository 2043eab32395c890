#pragma once
// Starting the other programs of the working folder: the solver, which the
// user watches until it ends, and viewers that run on their own.

#include <optional>
#include <string>

namespace kestrix {

class ProgramLauncher {
 public:
  virtual ~ProgramLauncher() = default;
  // Runs `program` in the current directory without arguments and blocks the
  // user until it has ended. Returns its exit status, or nothing when it could
  // not be started or did not exit normally.
  virtual std::optional<int> RunAndWait(const std::string& program) = 0;
  // Starts `program` without arguments and without waiting; false when it
  // could not be started.
  virtual bool StartDetached(const std::string& program) = 0;
  // Shows a text file of the current directory in a viewer, without waiting.
  virtual void ShowTextFile(const std::string& fileName) = 0;
};

}  // namespace kestrix

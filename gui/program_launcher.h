#pragma once
// Starting the other programs: the solver, which the user watches until it
// ends, and viewers that run on their own. Each runs in the current directory.

#include <optional>
#include <string>

namespace kestrix {

class ProgramLauncher {
 public:
  virtual ~ProgramLauncher() = default;
  // `program` is a name in the current directory or a path to the program.
  // Runs `program` in the current directory without arguments and blocks the
  // user until it has ended. Returns its exit status, or nothing when it could
  // not be started or did not exit normally.
  virtual std::optional<int> RunAndWait(const std::string& program) = 0;
  // Starts `program` without arguments and without waiting; false when it
  // could not be started.
  virtual bool StartDetached(const std::string& program) = 0;
  // Shows a text file of the current directory in a viewer, without waiting.
  virtual void ShowTextFile(const std::string& fileName) = 0;
  // The folder that holds Kestrix's own executable, where the other programs
  // of an installed set lie.
  virtual std::string OwnFolder() const = 0;
};

}  // namespace kestrix

#pragma once
// The open and save dialogs through which the user names a model file.

#include <optional>
#include <string>

namespace kestrix {

inline constexpr const char* kTextFilesFilterName = "Text Files (*.TXT)";
inline constexpr const char* kTextFilesDefaultExtension = "txt";

enum class FileDialogKind { Open, Save };

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // Shows the dialog, with the filter kTextFilesFilterName listing .txt files
  // of either case, starting at `initialPath` (may be empty). The open dialog
  // takes only an existing file; the save dialog asks before overwriting one.
  // Returns the full path chosen, or nothing when the user cancels.
  virtual std::optional<std::string> AskForFile(FileDialogKind kind, const std::string& title,
                                                const std::string& initialPath) = 0;
};

}  // namespace kestrix

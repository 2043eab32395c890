#pragma once
// What the main window shows of the model file it works on, and what it asks
// about it: the title, the texts of commands that name what they do (Undo,
// Redo), the recent files, and whether to save changes that would be lost.

#include <string>
#include <vector>

namespace kestrix {

enum class UnsavedChangesAnswer { Save, Discard, Cancel };

class DocumentFrame {
 public:
  virtual ~DocumentFrame() = default;
  virtual void SetTitle(const std::string& title) = 0;
  // The text of a menu command, with its "&" mnemonic, and whether it can be chosen.
  virtual void SetCommandText(int menuId, const std::string& text, bool enabled) = 0;
  // Fills the recent-files popup: entry k runs command menu_id::kRecentFileFirst + k.
  virtual void SetRecentFiles(const std::vector<std::string>& labels) = 0;
  // Asks `question` with the three answers; closing the question cancels.
  virtual UnsavedChangesAnswer AskToSaveChanges(const std::string& question) = 0;
  // Closes the window the way its close button does, which asks the logic first.
  virtual void CloseWindow() = 0;
};

}  // namespace kestrix

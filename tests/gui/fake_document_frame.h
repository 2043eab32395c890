#pragma once
// The document side of the main window's platform for tests: the title and
// command texts kept, the save question answered from a script, and recent
// files stored in memory.

#include <map>
#include <string>
#include <vector>

#include "document_frame.h"
#include "recent_files.h"

namespace kestrix {

class FakeDocumentFrame : public DocumentFrame {
 public:
  struct CommandText {
    std::string text;
    bool enabled = false;
  };

  void SetTitle(const std::string& text) override { title = text; }
  void SetCommandText(int menuId, const std::string& text, bool enabled) override {
    commands[menuId] = {text, enabled};
  }
  void SetRecentFiles(const std::vector<std::string>& labels) override { recentLabels = labels; }
  UnsavedChangesAnswer AskToSaveChanges(const std::string& question) override {
    questions.push_back(question);
    return answer;
  }
  void CloseWindow() override { ++closeRequests; }

  std::string title;
  std::map<int, CommandText> commands;
  std::vector<std::string> recentLabels;
  UnsavedChangesAnswer answer = UnsavedChangesAnswer::Cancel;
  std::vector<std::string> questions;
  int closeRequests = 0;
};

class MemoryRecentFileStore : public RecentFileStore {
 public:
  std::vector<std::string> Load() override { return stored; }
  bool Store(const std::vector<std::string>& paths) override {
    if (!storeSucceeds) return false;
    stored = paths;
    ++stores;
    return true;
  }

  std::vector<std::string> stored;
  int stores = 0;
  bool storeSucceeds = true;
};

}  // namespace kestrix

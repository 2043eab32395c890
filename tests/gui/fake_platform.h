#pragma once
// The platform of Kestrix's main window for tests: file dialogs that answer
// from a script, counted repaints, menu check marks in a map, dialogs driven
// by the test, programs that are recorded instead of started, and messages
// that are recorded instead of shown.

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gui/fake_document_frame.h"
#include "main_window_services.h"
#include "menu_resource.h"
#include "support/recording_notifier.h"

namespace kestrix {

class FakeFileDialogs : public FileDialogs {
 public:
  struct Request {
    FileDialogKind kind;
    std::string title;
    std::string initialPath;
  };

  std::optional<std::string> AskForFile(FileDialogKind kind, const std::string& title,
                                        const std::string& initialPath) override {
    requests.push_back({kind, title, initialPath});
    return answer;
  }

  std::optional<std::string> answer;
  std::vector<Request> requests;
};

class CountingRepaints : public RepaintRequests {
 public:
  void Repaint() override { ++repaints; }
  void FullRepaint() override { ++fullRepaints; }
  int Total() const { return repaints + fullRepaints; }

  int repaints = 0;
  int fullRepaints = 0;
};

class MapMenuChecks : public MenuChecks {
 public:
  // Starts with the marks the menu is built with.
  MapMenuChecks() { Mark(MainMenu()); }
  void SetChecked(int menuId, bool checked) override { checks[menuId] = checked; }
  bool IsChecked(int menuId) const {
    const auto found = checks.find(menuId);
    return found != checks.end() && found->second;
  }

  std::map<int, bool> checks;

 private:
  void Mark(const std::vector<MenuEntry>& entries) {
    for (const MenuEntry& entry : entries) {
      if (entry.checked) checks[entry.id] = true;
      Mark(entry.entries);
    }
  }
};

class FakeDialogControls : public DialogControls {
 public:
  std::string Text(int controlId) const override {
    const auto found = texts.find(controlId);
    return found == texts.end() ? std::string() : found->second;
  }
  void SetText(int controlId, const std::string& text) override { texts[controlId] = text; }
  bool IsChecked(int controlId) const override {
    const auto found = checks.find(controlId);
    return found != checks.end() && found->second;
  }
  void SetChecked(int controlId, bool checked) override { checks[controlId] = checked; }
  void End(int endResult) override { result = endResult; }

  std::map<int, std::string> texts;
  std::map<int, bool> checks;
  std::optional<int> result;
};

// A modeless dialog as the test sees it: its controls and a way to press them.
struct OpenDialog {
  int dialogId = 0;
  std::unique_ptr<DialogBehaviour> behaviour;
  FakeDialogControls controls;

  void Press(int controlId) { behaviour->OnCommand(controlId, controls); }
  bool IsOpen() const { return !controls.result.has_value(); }
};

class FakeDialogHost : public DialogHost {
 public:
  // What the user does in the next modal dialog, given its controls as opened.
  using ModalScript = std::function<void(FakeDialogControls&, DialogBehaviour&)>;

  int RunModal(const DialogTemplate& dialog, DialogBehaviour& behaviour) override {
    modalIds.push_back(dialog.id);
    FakeDialogControls controls;
    behaviour.OnOpen(controls);
    lastModalOpened = controls;
    if (modalScript) modalScript(controls, behaviour);
    return controls.result.value_or(0);
  }

  void OpenModeless(const DialogTemplate& dialog,
                    std::unique_ptr<DialogBehaviour> behaviour) override {
    auto open = std::make_unique<OpenDialog>();
    open->dialogId = dialog.id;
    open->behaviour = std::move(behaviour);
    open->behaviour->OnOpen(open->controls);
    modeless.push_back(std::move(open));
  }

  // The most recently opened modeless dialog.
  OpenDialog& Latest() { return *modeless.back(); }

  ModalScript modalScript;
  std::vector<int> modalIds;
  FakeDialogControls lastModalOpened;
  std::vector<std::unique_ptr<OpenDialog>> modeless;
};

class RecordingLauncher : public ProgramLauncher {
 public:
  std::optional<int> RunAndWait(const std::string& program) override {
    ran.push_back(program);
    return onRun ? onRun() : std::optional<int>(0);
  }
  bool StartDetached(const std::string& program) override {
    started.push_back(program);
    return startSucceeds;
  }
  void ShowTextFile(const std::string& fileName) override { shown.push_back(fileName); }
  std::string OwnFolder() const override { return ownFolder; }

  // What the "solver" does while it runs; it ends with the returned status.
  std::function<std::optional<int>()> onRun;
  bool startSucceeds = true;
  // Where Kestrix's executable would lie; none by default.
  std::string ownFolder;
  std::vector<std::string> ran;
  std::vector<std::string> started;
  std::vector<std::string> shown;
};

struct FakePlatform {
  RecordingNotifier notifier;
  FakeFileDialogs fileDialogs;
  CountingRepaints repaints;
  MapMenuChecks menuChecks;
  FakeDialogHost dialogs;
  RecordingLauncher programs;
  FakeDocumentFrame frame;
  MemoryRecentFileStore recentFileStore;

  MainWindowServices Services() {
    return {notifier, fileDialogs, repaints, menuChecks, dialogs, programs, frame, recentFileStore};
  }
};

}  // namespace kestrix

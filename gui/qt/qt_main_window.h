#pragma once
// Kestrix's one top-level window: the menu built from the menu table, the
// client area, and the Qt implementations of the platform services, all
// handed to the toolkit-neutral main window logic.

#include <QMainWindow>
#include <map>
#include <optional>

#include "client_area.h"
#include "document_frame.h"
#include "main_window.h"
#include "menu_checks.h"
#include "menu_resource.h"
#include "qt_dialog_host.h"
#include "qt_file_dialogs.h"
#include "qt_notifier.h"
#include "qt_program_launcher.h"
#include "qt_recent_file_store.h"
#include "status_fields.h"

class QMenu;

namespace kestrix {

class QtMainWindow : public QMainWindow, public MenuChecks, public DocumentFrame {
  Q_OBJECT

 public:
  QtMainWindow();

  void SetChecked(int menuId, bool checked) override;
  void SetTitle(const std::string& title) override;
  void SetCommandText(int menuId, const std::string& text, bool enabled) override;
  void SetRecentFiles(const std::vector<std::string>& labels) override;
  UnsavedChangesAnswer AskToSaveChanges(const std::string& question) override;
  void CloseWindow() override { close(); }

  // Opens the model file that follows the program name in `arguments`, if any.
  void OpenStartFile(const QStringList& arguments);

  MainWindow& logic() { return m_logic; }
  ClientArea& clientArea() { return *m_clientArea; }
  // The menu action of a command id, or null.
  QAction* Action(int menuId) const;
  // Shows what the logic says now in the status bar.
  void ShowStatus();

 protected:
  // The window closes only when the logic agrees (a modified model is saved
  // or discarded first).
  void closeEvent(QCloseEvent* event) override;

 private:
  void AddEntries(QMenu& menu, const std::vector<MenuEntry>& entries);
  QAction* AddCommand(QMenu& menu, const QString& text, int id);

  ClientArea* m_clientArea;
  QtNotifier m_notifier;
  QtFileDialogs m_fileDialogs;
  QtDialogHost m_dialogs;
  QtProgramLauncher m_programs;
  QtRecentFileStore m_recentFileStore;
  MainWindow m_logic;
  std::map<int, QAction*> m_actions;
  std::map<int, QMenu*> m_popups;
  std::optional<std::vector<std::string>> m_recentLabels;
  StatusFields m_statusFields;
};

}  // namespace kestrix

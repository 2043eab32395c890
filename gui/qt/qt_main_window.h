#pragma once
// Kestrix's one top-level window: the menu built from the menu table, the
// client area, and the Qt implementations of the platform services, all
// handed to the toolkit-neutral main window logic.

#include <QMainWindow>
#include <map>

#include "client_area.h"
#include "main_window.h"
#include "menu_checks.h"
#include "menu_resource.h"
#include "qt_dialog_host.h"
#include "qt_file_dialogs.h"
#include "qt_notifier.h"
#include "qt_program_launcher.h"
#include "status_fields.h"

class QMenu;

namespace kestrix {

class QtMainWindow : public QMainWindow, public MenuChecks {
  Q_OBJECT

 public:
  QtMainWindow();

  void SetChecked(int menuId, bool checked) override;

  MainWindow& logic() { return m_logic; }
  ClientArea& clientArea() { return *m_clientArea; }
  // The menu action of a command id, or null.
  QAction* Action(int menuId) const;
  // Shows what the logic says now in the status bar.
  void ShowStatus();

 private:
  void AddEntries(QMenu& menu, const std::vector<MenuEntry>& entries);

  ClientArea* m_clientArea;
  QtNotifier m_notifier;
  QtFileDialogs m_fileDialogs;
  QtDialogHost m_dialogs;
  QtProgramLauncher m_programs;
  MainWindow m_logic;
  std::map<int, QAction*> m_actions;
  StatusFields m_statusFields;
};

}  // namespace kestrix

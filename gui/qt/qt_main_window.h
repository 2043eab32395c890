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

class QMenu;

namespace kestrix {

class QtMainWindow : public QMainWindow, public MenuChecks {
  Q_OBJECT

 public:
  QtMainWindow();

  void SetChecked(int menuId, bool checked) override;

  MainWindow& logic() { return logic_; }
  ClientArea& clientArea() { return *clientArea_; }
  // The menu action of a command id, or null.
  QAction* Action(int menuId) const;

 private:
  void AddEntries(QMenu& menu, const std::vector<MenuEntry>& entries);

  ClientArea* clientArea_;
  QtNotifier notifier_;
  QtFileDialogs fileDialogs_;
  QtDialogHost dialogs_;
  QtProgramLauncher programs_;
  MainWindow logic_;
  std::map<int, QAction*> actions_;
};

}  // namespace kestrix

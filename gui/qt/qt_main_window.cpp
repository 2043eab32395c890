#include "qt_main_window.h"

#include <QMenuBar>

#include "kestrix_icon.h"

namespace kestrix {
namespace {

// Any item may carry a check mark once the logic asks for one.
void SetCheckedOn(QAction* action, bool checked) {
  action->setCheckable(true);
  action->setChecked(checked);
}

}  // namespace

QtMainWindow::QtMainWindow()
    : clientArea_(new ClientArea(this)),
      fileDialogs_(*this),
      dialogs_(*this),
      programs_(*this),
      logic_({notifier_, fileDialogs_, *clientArea_, *this, dialogs_, programs_}) {
  setObjectName("kestrixMainWindow");
  setWindowTitle(QString("Kestrix - plane-stress plates with four-node quadrilaterals (built %1)")
                     .arg(__DATE__));
  setWindowIcon(KestrixIcon());
  for (const MenuEntry& popup : MainMenu()) {
    AddEntries(*menuBar()->addMenu(QString::fromStdString(popup.text)), popup.entries);
  }
  setCentralWidget(clientArea_);
  clientArea_->Attach(logic_);
  clientArea_->setFocus();
  resize(800, 600);
}

void QtMainWindow::AddEntries(QMenu& menu, const std::vector<MenuEntry>& entries) {
  for (const MenuEntry& entry : entries) {
    const QString text = QString::fromStdString(entry.text);
    switch (entry.kind) {
      case MenuEntry::Kind::Separator: menu.addSeparator(); break;
      case MenuEntry::Kind::Popup: AddEntries(*menu.addMenu(text), entry.entries); break;
      case MenuEntry::Kind::Command: {
        QAction* action = menu.addAction(text);
        const int id = entry.id;
        if (entry.checked) SetCheckedOn(action, true);
        connect(action, &QAction::triggered, this, [this, id] { logic_.OnCommand(id); });
        actions_[id] = action;
        break;
      }
    }
  }
}

void QtMainWindow::SetChecked(int menuId, bool checked) {
  if (QAction* action = Action(menuId)) SetCheckedOn(action, checked);
}

QAction* QtMainWindow::Action(int menuId) const {
  const auto found = actions_.find(menuId);
  return found == actions_.end() ? nullptr : found->second;
}

}  // namespace kestrix

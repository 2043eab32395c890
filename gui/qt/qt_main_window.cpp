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
    : m_clientArea(new ClientArea(this)),
      m_fileDialogs(*this),
      m_dialogs(*this),
      m_programs(*this),
      m_logic({m_notifier, m_fileDialogs, *m_clientArea, *this, m_dialogs, m_programs}) {
  setObjectName("kestrixMainWindow");
  setWindowTitle(QString("Kestrix - plane-stress plates with four-node quadrilaterals (built %1)")
                     .arg(__DATE__));
  setWindowIcon(KestrixIcon());
  for (const MenuEntry& popup : MainMenu()) {
    AddEntries(*menuBar()->addMenu(QString::fromStdString(popup.text)), popup.entries);
  }
  setCentralWidget(m_clientArea);
  m_clientArea->Attach(m_logic);
  m_clientArea->setFocus();
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
        connect(action, &QAction::triggered, this, [this, id] { m_logic.OnCommand(id); });
        m_actions[id] = action;
        break;
      }
    }
  }
}

void QtMainWindow::SetChecked(int menuId, bool checked) {
  if (QAction* action = Action(menuId)) SetCheckedOn(action, checked);
}

QAction* QtMainWindow::Action(int menuId) const {
  const auto found = m_actions.find(menuId);
  return found == m_actions.end() ? nullptr : found->second;
}

}  // namespace kestrix

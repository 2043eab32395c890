#include "qt_main_window.h"

#include <QGuiApplication>
#include <QKeySequence>
#include <QMenuBar>
#include <QScreen>

#include "kestrix_icon.h"

namespace kestrix {
namespace {

// Any item may carry a check mark once the logic asks for one.
void SetCheckedOn(QAction* action, bool checked) {
  action->setCheckable(true);
  action->setChecked(checked);
}

// The keys of menu commands that have a standard one.
QKeySequence StandardShortcut(int menuId) {
  return menuId == menu_id::kDelete ? QKeySequence(QKeySequence::Delete) : QKeySequence();
}

// Four fifths of the screen's free area, centred on it.
QRect InitialGeometry() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return QRect(0, 0, 800, 600);
  const QRect available = screen->availableGeometry();
  QRect geometry(QPoint(), available.size() * 4 / 5);
  geometry.moveCenter(available.center());
  return geometry;
}

}  // namespace

QtMainWindow::QtMainWindow()
    : m_clientArea(new ClientArea(this)),
      m_fileDialogs(*this),
      m_dialogs(*this),
      m_programs(*this),
      m_logic({m_notifier, m_fileDialogs, *m_clientArea, *this, m_dialogs, m_programs}),
      m_statusFields(*statusBar()) {
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
  connect(m_clientArea, &ClientArea::EventHandled, this, &QtMainWindow::ShowStatus);
  setGeometry(InitialGeometry());
  ShowStatus();
}

void QtMainWindow::ShowStatus() { m_statusFields.Show(m_logic.Status()); }

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
        action->setShortcut(StandardShortcut(id));
        connect(action, &QAction::triggered, this, [this, id] {
          m_logic.OnCommand(id);
          ShowStatus();
        });
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

#include "qt_main_window.h"

#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>

#include "kestrix_icon.h"
#include "model_file_commands.h"

namespace kestrix {
namespace {

// Any item may carry a check mark once the logic asks for one.
void SetCheckedOn(QAction* action, bool checked) {
  action->setCheckable(true);
  action->setChecked(checked);
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
      m_logic({m_notifier, m_fileDialogs, *m_clientArea, *this, m_dialogs, m_programs, *this,
               m_recentFileStore}),
      m_statusFields(*statusBar()) {
  setObjectName("kestrixMainWindow");
  setWindowIcon(KestrixIcon());
  for (const MenuEntry& popup : MainMenu()) {
    AddEntries(*menuBar()->addMenu(QString::fromStdString(popup.text)), popup.entries);
  }
  setCentralWidget(m_clientArea);
  m_clientArea->Attach(m_logic);
  m_clientArea->setFocus();
  connect(m_clientArea, &ClientArea::EventHandled, this, &QtMainWindow::ShowStatus);
  setGeometry(InitialGeometry());
  m_logic.UpdateDocumentFrame();
  ShowStatus();
}

void QtMainWindow::ShowStatus() { m_statusFields.Show(m_logic.Status()); }

void QtMainWindow::AddEntries(QMenu& menu, const std::vector<MenuEntry>& entries) {
  for (const MenuEntry& entry : entries) {
    const QString text = QString::fromStdString(entry.text);
    switch (entry.kind) {
      case MenuEntry::Kind::Separator: menu.addSeparator(); break;
      case MenuEntry::Kind::Popup: {
        QMenu* popup = menu.addMenu(text);
        if (entry.id != 0) m_popups[entry.id] = popup;
        AddEntries(*popup, entry.entries);
        break;
      }
      case MenuEntry::Kind::Command: {
        QAction* action = AddCommand(menu, text, entry.id);
        if (entry.checked) SetCheckedOn(action, true);
        action->setShortcuts(QKeySequence::listFromString(QString::fromStdString(entry.keys)));
        m_actions[entry.id] = action;
        break;
      }
    }
  }
}

void QtMainWindow::OpenStartFile(const QStringList& arguments) {
  if (arguments.size() < 2) return;
  OpenModelFileAt(m_logic, QFile::encodeName(arguments[1]).toStdString());
  m_logic.UpdateDocumentFrame();
}

QAction* QtMainWindow::AddCommand(QMenu& menu, const QString& text, int id) {
  QAction* action = menu.addAction(text);
  connect(action, &QAction::triggered, this, [this, id] {
    m_logic.OnCommand(id);
    ShowStatus();
  });
  return action;
}

void QtMainWindow::SetTitle(const std::string& title) {
  setWindowTitle(QString::fromStdString(title));
}

void QtMainWindow::SetCommandText(int menuId, const std::string& text, bool enabled) {
  if (QAction* action = Action(menuId)) {
    action->setText(QString::fromStdString(text));
    action->setEnabled(enabled);
  }
}

// The entries are replaced only when the list changed, and deleted later: the
// entry chosen may be the one whose command is running now.
void QtMainWindow::SetRecentFiles(const std::vector<std::string>& labels) {
  if (labels == m_recentLabels) return;
  m_recentLabels = labels;
  QMenu* popup = m_popups.at(menu_id::kRecentFilesMenu);
  for (QAction* action : popup->actions()) {
    popup->removeAction(action);
    action->deleteLater();
  }
  for (std::size_t k = 0; k < labels.size(); ++k) {
    const int id = menu_id::kRecentFileFirst + static_cast<int>(k);
    if (id > menu_id::kRecentFileLast) break;
    AddCommand(*popup, QString::fromStdString(labels[k]), id);
  }
  popup->setEnabled(!labels.empty());
}

UnsavedChangesAnswer QtMainWindow::AskToSaveChanges(const std::string& question) {
  QMessageBox box(QMessageBox::Question, "Kestrix", QString::fromStdString(question),
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
  box.setObjectName("saveChanges");
  box.setDefaultButton(QMessageBox::Save);
  switch (box.exec()) {
    case QMessageBox::Save: return UnsavedChangesAnswer::Save;
    case QMessageBox::Discard: return UnsavedChangesAnswer::Discard;
    default: return UnsavedChangesAnswer::Cancel;
  }
}

void QtMainWindow::closeEvent(QCloseEvent* event) {
  if (m_logic.QueryClose()) {
    event->accept();
  } else {
    event->ignore();
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

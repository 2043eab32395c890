#include "solver_console_window.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

namespace kestrix {
namespace {

// The bytes a console would pass on for a key: Enter as a line break, Esc as
// its control character, other keys as the text they type.
QByteArray KeyBytes(const QKeyEvent& event) {
  if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) return "\n";
  if (event.key() == Qt::Key_Escape) return "\x1b";
  return event.text().toUtf8();
}

}  // namespace

SolverConsoleWindow::SolverConsoleWindow(const QString& program, QWidget* owner)
    : QDialog(owner), m_program(program), m_view(new QPlainTextEdit(this)) {
  setObjectName("solverConsole");
  setWindowTitle(program);
  setModal(true);
  m_view->setReadOnly(true);
  m_view->setFocusPolicy(Qt::NoFocus);
  m_view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  m_view->setStyleSheet("QPlainTextEdit { background: black; color: #c0c0c0; }");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_view);
  resize(680, 400);

  m_process.setProcessChannelMode(QProcess::MergedChannels);
  connect(&m_process, &QProcess::readyRead, this, &SolverConsoleWindow::ShowOutput);
  connect(&m_process, &QProcess::finished, this, &SolverConsoleWindow::Finish);
  connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) done(QDialog::Rejected);
  });
}

std::optional<int> SolverConsoleWindow::Run() {
  m_process.start(m_program, {});
  if (!m_process.waitForStarted()) return std::nullopt;
  exec();
  return m_exitStatus;
}

void SolverConsoleWindow::ShowOutput() {
  m_console.Append(m_decoder.decode(m_process.readAll()));
  m_view->setPlainText(m_console.text());
  m_view->verticalScrollBar()->setValue(m_view->verticalScrollBar()->maximum());
}

void SolverConsoleWindow::Finish(int exitCode, QProcess::ExitStatus status) {
  ShowOutput();
  if (status == QProcess::NormalExit) m_exitStatus = exitCode;
  done(QDialog::Accepted);
}

// Every key goes to the solver, Esc and Enter included: none of them closes
// or confirms this window.
void SolverConsoleWindow::keyPressEvent(QKeyEvent* event) {
  const QByteArray bytes = KeyBytes(*event);
  if (!bytes.isEmpty() && !m_inputClosed && m_process.state() == QProcess::Running) {
    m_process.write(bytes);
  }
}

void SolverConsoleWindow::closeEvent(QCloseEvent* event) {
  if (m_process.state() == QProcess::NotRunning) {
    event->accept();
    return;
  }
  event->ignore();
  CloseInputOrKill();
}

void SolverConsoleWindow::CloseInputOrKill() {
  if (m_inputClosed) {
    m_process.kill();
    return;
  }
  m_inputClosed = true;
  m_process.closeWriteChannel();
}

}  // namespace kestrix

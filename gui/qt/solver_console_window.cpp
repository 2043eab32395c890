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
    : QDialog(owner), program_(program), view_(new QPlainTextEdit(this)) {
  setObjectName("solverConsole");
  setWindowTitle(program);
  setModal(true);
  view_->setReadOnly(true);
  view_->setFocusPolicy(Qt::NoFocus);
  view_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  view_->setStyleSheet("QPlainTextEdit { background: black; color: #c0c0c0; }");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
  resize(680, 400);

  process_.setProcessChannelMode(QProcess::MergedChannels);
  connect(&process_, &QProcess::readyRead, this, &SolverConsoleWindow::ShowOutput);
  connect(&process_, &QProcess::finished, this, &SolverConsoleWindow::Finish);
  connect(&process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) done(QDialog::Rejected);
  });
}

std::optional<int> SolverConsoleWindow::Run() {
  process_.start(program_, {});
  if (!process_.waitForStarted()) return std::nullopt;
  exec();
  return exitStatus_;
}

void SolverConsoleWindow::ShowOutput() {
  console_.Append(decoder_.decode(process_.readAll()));
  view_->setPlainText(console_.Text());
  view_->verticalScrollBar()->setValue(view_->verticalScrollBar()->maximum());
}

void SolverConsoleWindow::Finish(int exitCode, QProcess::ExitStatus status) {
  ShowOutput();
  if (status == QProcess::NormalExit) exitStatus_ = exitCode;
  done(QDialog::Accepted);
}

// Every key goes to the solver, Esc and Enter included: none of them closes
// or confirms this window.
void SolverConsoleWindow::keyPressEvent(QKeyEvent* event) {
  const QByteArray bytes = KeyBytes(*event);
  if (!bytes.isEmpty() && !inputClosed_ && process_.state() == QProcess::Running) {
    process_.write(bytes);
  }
}

void SolverConsoleWindow::closeEvent(QCloseEvent* event) {
  if (process_.state() == QProcess::NotRunning) {
    event->accept();
    return;
  }
  event->ignore();
  CloseInputOrKill();
}

void SolverConsoleWindow::CloseInputOrKill() {
  if (inputClosed_) {
    process_.kill();
    return;
  }
  inputClosed_ = true;
  process_.closeWriteChannel();
}

}  // namespace kestrix

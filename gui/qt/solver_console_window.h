#pragma once
// A modal window in which the solver runs like in its own console: its output
// appears as it comes and every key pressed here goes to its input. Closing
// the window ends the solver's input; a second close ends the solver itself.

#include <QDialog>
#include <QProcess>
#include <QStringDecoder>
#include <optional>

#include "console_text.h"

class QPlainTextEdit;

namespace kestrix {

class SolverConsoleWindow : public QDialog {
  Q_OBJECT

 public:
  SolverConsoleWindow(const QString& program, QWidget* owner);

  // Starts the program and shows the window until the program has ended.
  // Returns its exit status, or nothing if it did not start or crashed.
  std::optional<int> Run();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void ShowOutput();
  void Finish(int exitCode, QProcess::ExitStatus status);
  void CloseInputOrKill();

  QString program_;
  QProcess process_;
  QPlainTextEdit* view_;
  QStringDecoder decoder_{QStringDecoder::Utf8};
  ConsoleText console_;
  bool inputClosed_ = false;
  std::optional<int> exitStatus_;
};

}  // namespace kestrix

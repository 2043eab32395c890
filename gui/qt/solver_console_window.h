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

  QString m_program;
  QProcess m_process;
  QPlainTextEdit* m_view;
  QStringDecoder m_decoder{QStringDecoder::Utf8};
  ConsoleText m_console;
  bool m_inputClosed = false;
  std::optional<int> m_exitStatus;
};

}  // namespace kestrix

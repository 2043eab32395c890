#include "qt_program_launcher.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QUrl>

#include "solver_console_window.h"
#include "text_file_window.h"

namespace kestrix {
namespace {

// A name is taken in the current directory, never on the PATH; a path as it is.
QString InCurrentDirectory(const std::string& name) {
  return QDir::current().absoluteFilePath(QString::fromStdString(name));
}

}  // namespace

std::optional<int> QtProgramLauncher::RunAndWait(const std::string& program) {
  SolverConsoleWindow console(InCurrentDirectory(program), &m_owner);
  return console.Run();
}

bool QtProgramLauncher::StartDetached(const std::string& program) {
  return QProcess::startDetached(InCurrentDirectory(program), {}, QDir::currentPath());
}

void QtProgramLauncher::ShowTextFile(const std::string& fileName) {
  const QString path = InCurrentDirectory(fileName);
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) ShowTextFileWindow(path, &m_owner);
}

std::string QtProgramLauncher::OwnFolder() const {
  return QCoreApplication::applicationDirPath().toStdString();
}

}  // namespace kestrix

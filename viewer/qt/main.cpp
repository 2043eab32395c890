// Ambrel: the contour viewer of the solver's stresses. Without a --png
// argument it opens its window on the result files of the folder given (the
// current directory by default); with one it writes the picture and exits.

#include <QApplication>
#include <QGuiApplication>
#include <QLocale>
#include <clocale>
#include <iostream>

#include "command_line.h"
#include "picture_files.h"
#include "program_name.h"
#include "qt_viewer_window.h"

namespace {

using namespace ambrel;

// Numbers are read and written with a decimal point whatever the user's
// locale, in dialogs as in files.
void UseDecimalPoints() {
  std::setlocale(LC_NUMERIC, "C");
  QLocale::setDefault(QLocale::c());
}

int Fail(const std::string& message) {
  std::cerr << kProgramName << ": " << message << '\n';
  return 1;
}

// The picture without a window, on Qt's offscreen platform so that no
// display is needed.
int WritePicture(int argc, char* argv[], const CommandLine& line) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  UseDecimalPoints();
  ViewerWindow logic(line.folder);
  if (!logic.Load()) return Fail(logic.Message());
  if (!logic.Message().empty()) std::cerr << kProgramName << ": " << logic.Message() << '\n';
  logic.SetComponent(line.component);
  logic.OnSize(line.width, line.height);
  if (!SavePng(logic, QString::fromStdString(*line.png))) {
    return Fail("cannot write " + *line.png);
  }
  return 0;
}

int ShowWindow(int argc, char* argv[], const CommandLine& line) {
  QApplication application(argc, argv);
  UseDecimalPoints();
  QtViewerWindow window(line);
  window.show();
  return QApplication::exec();
}

}  // namespace

int main(int argc, char* argv[]) {
  const auto parsed = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (const auto* problem = std::get_if<std::string>(&parsed)) {
    return Fail(*problem + "\n" + Usage());
  }
  const CommandLine& line = std::get<CommandLine>(parsed);
  return line.png ? WritePicture(argc, argv, line) : ShowWindow(argc, argv, line);
}

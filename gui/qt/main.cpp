// Kestrix: the interactive pre- and post-processor. It works in the current
// directory, where it looks for the solver; a model file named on the command
// line is opened at start, and its folder becomes the current directory.
//
//   Kestrix [FILE]

#include <QApplication>
#include <clocale>

#include "qt_main_window.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  // Qt takes the process locale from the environment; numbers in files and
  // fields are always read and written with a decimal point.
  std::setlocale(LC_NUMERIC, "C");
  kestrix::QtMainWindow window;
  window.show();
  // Qt has taken its own options out of the arguments by now.
  window.OpenStartFile(QApplication::arguments());
  return QApplication::exec();
}

// Kestrix: the interactive pre- and post-processor. It ignores its arguments
// and works in the current directory, where it looks for the solver.

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
  return QApplication::exec();
}

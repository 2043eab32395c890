#pragma once
// Programs of the working folder started through QProcess, text files shown
// by the desktop's default viewer.

#include <QWidget>

#include "program_launcher.h"

namespace kestrix {

class QtProgramLauncher : public ProgramLauncher {
 public:
  explicit QtProgramLauncher(QWidget& owner) : owner_(owner) {}

  std::optional<int> RunAndWait(const std::string& program) override;
  bool StartDetached(const std::string& program) override;
  void ShowTextFile(const std::string& fileName) override;

 private:
  QWidget& owner_;
};

}  // namespace kestrix

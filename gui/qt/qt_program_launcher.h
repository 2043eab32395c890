#pragma once
// Programs of the working folder started through QProcess, text files shown
// by the desktop's default viewer.

#include <QWidget>

#include "program_launcher.h"

namespace kestrix {

class QtProgramLauncher : public ProgramLauncher {
 public:
  explicit QtProgramLauncher(QWidget& owner) : m_owner(owner) {}

  std::optional<int> RunAndWait(const std::string& program) override;
  bool StartDetached(const std::string& program) override;
  void ShowTextFile(const std::string& fileName) override;

 private:
  QWidget& m_owner;
};

}  // namespace kestrix

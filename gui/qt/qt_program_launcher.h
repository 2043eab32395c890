#pragma once
// Programs started through QProcess in the working folder, text files shown
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
  std::string OwnFolder() const override;

 private:
  QWidget& m_owner;
};

}  // namespace kestrix

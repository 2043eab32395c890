#pragma once
// The open and save dialogs as QFileDialog, owned by the main window.

#include <QWidget>

#include "file_dialogs.h"

namespace kestrix {

class QtFileDialogs : public FileDialogs {
 public:
  explicit QtFileDialogs(QWidget& owner) : m_owner(owner) {}

  std::optional<std::string> AskForFile(FileDialogKind kind, const std::string& title,
                                        const std::string& initialPath) override;

 private:
  QWidget& m_owner;
};

}  // namespace kestrix

#include "qt_file_dialogs.h"

#include <QFileDialog>

namespace kestrix {

std::optional<std::string> QtFileDialogs::AskForFile(FileDialogKind kind, const std::string& title,
                                                     const std::string& initialPath) {
  QFileDialog dialog(&owner_, QString::fromStdString(title), QString(),
                     QString("%1 (%2 *.TXT)").arg(kTextFilesFilterName, kTextFilesPattern));
  dialog.setObjectName(kind == FileDialogKind::Open ? "openDialog" : "saveDialog");
  dialog.setDefaultSuffix(kTextFilesDefaultExtension);
  if (!initialPath.empty()) dialog.selectFile(QString::fromStdString(initialPath));
  if (kind == FileDialogKind::Open) {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst().toStdString();
}

}  // namespace kestrix

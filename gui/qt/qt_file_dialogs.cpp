#include "qt_file_dialogs.h"

#include <QFileDialog>

namespace kestrix {

std::optional<std::string> QtFileDialogs::AskForFile(FileDialogKind kind, const std::string& title,
                                                     const std::string& initialPath) {
  QFileDialog dialog(&m_owner, QString::fromStdString(title), QString(), kTextFilesFilterName);
  // Qt's own dialog matches the filter's "*.TXT" without regard to case, so
  // lower-case .txt files are listed too; native dialogs may not.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
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

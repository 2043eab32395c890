#include "text_file_window.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>

namespace kestrix {

void ShowTextFileWindow(const QString& path, QWidget* owner) {
  auto* window = new QPlainTextEdit(owner);
  window->setWindowFlag(Qt::Window);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setObjectName("textFileWindow");
  window->setWindowTitle(QFileInfo(path).fileName());
  window->setReadOnly(true);
  window->setLineWrapMode(QPlainTextEdit::NoWrap);
  window->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  QFile file(path);
  if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    window->setPlainText(QString::fromUtf8(file.readAll()));
  } else {
    window->setPlainText(QString("Cannot open %1: %2").arg(path, file.errorString()));
  }
  window->resize(720, 480);
  window->show();
}

}  // namespace kestrix

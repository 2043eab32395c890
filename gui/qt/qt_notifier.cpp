#include "qt_notifier.h"

#include <QMessageBox>

namespace kestrix {

void QtNotifier::ShowMessage(const std::string& text, const std::string& caption) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption),
                  QString::fromStdString(text), QMessageBox::Ok);
  box.setObjectName("warning");
  box.exec();
}

}  // namespace kestrix

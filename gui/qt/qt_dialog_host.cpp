#include "qt_dialog_host.h"

#include "qt_dialog.h"

namespace kestrix {

int QtDialogHost::RunModal(const DialogTemplate& dialog, DialogBehaviour& behaviour) {
  QtDialog window(dialog, behaviour, &m_owner);
  window.setObjectName(QString("dialog%1").arg(dialog.id));
  return window.exec();
}

void QtDialogHost::OpenModeless(const DialogTemplate& dialog,
                                std::unique_ptr<DialogBehaviour> behaviour) {
  auto* window = new QtDialog(dialog, std::move(behaviour), &m_owner);
  window->setObjectName(QString("dialog%1").arg(dialog.id));
  window->show();
}

}  // namespace kestrix

#pragma once
// Dialogs built from templates, owned by the main window.

#include <QWidget>

#include "dialog_host.h"

namespace kestrix {

class QtDialogHost : public DialogHost {
 public:
  explicit QtDialogHost(QWidget& owner) : m_owner(owner) {}

  int RunModal(const DialogTemplate& dialog, DialogBehaviour& behaviour) override;
  void OpenModeless(const DialogTemplate& dialog,
                    std::unique_ptr<DialogBehaviour> behaviour) override;

 private:
  QWidget& m_owner;
};

}  // namespace kestrix

#pragma once
// Opening dialogs built from their templates, either modal (the caller waits
// for the result) or modeless (the dialog lives on beside the main window).

#include <memory>

#include "dialog_controls.h"
#include "dialog_template.h"

namespace kestrix {

class DialogHost {
 public:
  virtual ~DialogHost() = default;
  // Returns the result the behaviour ended the dialog with.
  virtual int RunModal(const DialogTemplate& dialog, DialogBehaviour& behaviour) = 0;
  // The dialog owns its behaviour and shows it until the behaviour ends it.
  virtual void OpenModeless(const DialogTemplate& dialog,
                            std::unique_ptr<DialogBehaviour> behaviour) = 0;
};

}  // namespace kestrix

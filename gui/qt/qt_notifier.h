#pragma once
// Messages as QMessageBox without owner window, with one OK button.

#include "notifier.h"

namespace kestrix {

class QtNotifier : public Notifier {
 public:
  void ShowMessage(const std::string& text, const std::string& caption) override;
};

}  // namespace kestrix

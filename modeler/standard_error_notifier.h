#pragma once

#include "notifier.h"

namespace kestrix {

// The notifier a model uses until the GUI attaches its own: messages go to
// standard error rather than being lost.
class StandardErrorNotifier : public Notifier {
 public:
  void ShowMessage(const std::string& text, const std::string& caption) override;
};

}  // namespace kestrix

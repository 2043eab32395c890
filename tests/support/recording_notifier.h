#pragma once
// A notifier for tests: it shows nothing and keeps every message with its caption.

#include <string>
#include <vector>

#include "notifier.h"

namespace kestrix {

struct ShownMessage {
  std::string text;
  std::string caption;
  friend bool operator==(const ShownMessage&, const ShownMessage&) = default;
};

class RecordingNotifier : public Notifier {
 public:
  void ShowMessage(const std::string& text, const std::string& caption) override {
    messages.push_back({text, caption});
  }

  std::vector<ShownMessage> messages;
};

}  // namespace kestrix

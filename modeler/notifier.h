#pragma once

#include <string>

namespace kestrix {

inline constexpr const char* kWarningCaption = "Warning!";

// Where the model's messages go. The GUI shows each in a message box with one
// OK button and no owner window; tests record them.
class Notifier {
 public:
  virtual ~Notifier() = default;
  virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;
};

}  // namespace kestrix

#include "standard_error_notifier.h"

#include <iostream>

namespace kestrix {

void StandardErrorNotifier::ShowMessage(const std::string& text, const std::string& caption) {
  std::cerr << caption << ' ' << text << '\n';
}

}  // namespace kestrix

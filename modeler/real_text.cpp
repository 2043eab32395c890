#include "real_text.h"

#include <charconv>

namespace kestrix {

std::string FormatReal(double value) {
  // The general format of to_chars at precision 6 is "%g" in the "C" locale.
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                    std::chars_format::general, 6);
  return std::string(buffer, result.ptr);
}

}  // namespace kestrix

#include "number_text.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace solvane {

std::string FormatReal(double value) {
  // std::to_chars with the general format behaves as printf's "%g" in the C
  // locale; infinities and NaNs are spelled as glibc's printf spells them.
  char buffer[32];
  if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
  return std::string(buffer, result.ptr);
}

void AppendRightAligned(std::string& line, std::string_view text, int width) {
  if (static_cast<int>(text.size()) < width) line.append(width - text.size(), ' ');
  line.append(text);
}

void AppendRightAligned(std::string& line, double value, int width) {
  AppendRightAligned(line, FormatReal(value), width);
}

void AppendRightAligned(std::string& line, int value, int width) {
  AppendRightAligned(line, std::to_string(value), width);
}

}  // namespace solvane

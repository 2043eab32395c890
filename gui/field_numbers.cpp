#include "field_numbers.h"

#include <locale.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <string>
#include <system_error>

namespace kestrix {
namespace {

// The "C" numeric locale, made once: the toolkit sets the process locale from
// the user's environment, and fields always take a decimal point.
locale_t CNumericLocale() {
  static const locale_t locale = newlocale(LC_NUMERIC_MASK, "C", locale_t{});
  return locale;
}

// The text without the blanks around it.
std::string Trimmed(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n\v\f";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(kBlanks) - first + 1));
}

}  // namespace

std::optional<double> FieldToReal(std::string_view text) {
  const std::string field = Trimmed(text);
  if (field.empty()) return std::nullopt;
  char* end = nullptr;
  // Beyond the range of double the value is infinite and refused; below it,
  // it is as near 0 as double goes and kept.
  const double value = strtod_l(field.c_str(), &end, CNumericLocale());
  if (end != field.c_str() + field.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<int> FieldToInt(std::string_view text) {
  const std::string field = Trimmed(text);
  if (field.empty()) return std::nullopt;
  char* end = nullptr;
  errno = 0;
  const long value = strtol_l(field.c_str(), &end, 10, CNumericLocale());
  if (end != field.c_str() + field.size() || errno == ERANGE) return std::nullopt;
  if (value < INT_MIN || value > INT_MAX) return std::nullopt;
  return static_cast<int>(value);
}

bool IsBlankField(std::string_view text) { return Trimmed(text).empty(); }

std::string RealToField(double value) {
  char buffer[400];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
  return error == std::errc() ? std::string(buffer, end) : std::string();
}

}  // namespace kestrix

#include "field_numbers.h"

#include <locale.h>

#include <algorithm>
#include <charconv>
#include <climits>
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

}  // namespace

double FieldToReal(std::string_view text) {
  const std::string field(text);
  return strtod_l(field.c_str(), nullptr, CNumericLocale());
}

// Values beyond the range of int give its nearest limit.
int FieldToInt(std::string_view text) {
  const std::string field(text);
  const long value = strtol_l(field.c_str(), nullptr, 10, CNumericLocale());
  return static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX));
}

std::string RealToField(double value) {
  char buffer[400];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
  return error == std::errc() ? std::string(buffer, end) : std::string();
}

}  // namespace kestrix

#include "field_numbers.h"

#include <charconv>
#include <system_error>

namespace kestrix {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Drops leading blanks and a leading "+", which from_chars does not accept.
std::string_view NumberStart(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && IsBlank(text[start])) ++start;
  text.remove_prefix(start);
  if (text.size() > 1 && text[0] == '+' && text[1] != '-' && text[1] != '+') {
    text.remove_prefix(1);
  }
  return text;
}

// The number at the start of `text`, or 0 when there is none or it does not fit.
template <typename Number>
Number LeadingNumber(std::string_view text) {
  const std::string_view number = NumberStart(text);
  Number value{};
  const std::errc error = std::from_chars(number.data(), number.data() + number.size(), value).ec;
  return error == std::errc() ? value : Number{};
}

}  // namespace

double FieldToReal(std::string_view text) { return LeadingNumber<double>(text); }

int FieldToInt(std::string_view text) { return LeadingNumber<int>(text); }

std::string RealToField(double value) {
  char buffer[400];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
  return error == std::errc() ? std::string(buffer, end) : std::string();
}

}  // namespace kestrix

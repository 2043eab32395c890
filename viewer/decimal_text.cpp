#include "decimal_text.h"

#include <charconv>
#include <cmath>

namespace ambrel {

std::string FormatReal(double value) {
  // The general format of to_chars at precision 6 is "%g" in the "C" locale.
  char buffer[32];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
  return std::string(buffer, result.ptr);
}

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

namespace {

// from_chars takes no leading "+", which strtod and people typing do.
std::string_view WithoutPlus(std::string_view text) {
  if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
  return text;
}

template <typename Number>
std::optional<Number> ParseWhole(std::string_view text) {
  text = WithoutPlus(TrimBlanks(text));
  Number value{};
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value);
  if (text.empty() || result.ec != std::errc() || result.ptr != end) return std::nullopt;
  return value;
}

}  // namespace

std::optional<double> ParseReal(std::string_view text) {
  const std::optional<double> value = ParseWhole<double>(text);
  if (!value || !std::isfinite(*value)) return std::nullopt;
  return value;
}

std::optional<int> ParseInteger(std::string_view text) { return ParseWhole<int>(text); }

}  // namespace ambrel

#include "method/scanf_style_reader.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <locale.h>

namespace solvane {

namespace {

bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

bool StartsWithHexPrefix(const char* first, const char* last) {
  return last - first >= 2 && first[0] == '0' && (first[1] == 'x' || first[1] == 'X');
}

// What the C library's conversion makes of the digits at `first` (which the
// text's terminating NUL ends): hexadecimal reals, and values beyond the range
// of a double, read as scanf reads them (to infinity, or towards zero).
const char* ParseWithCLibrary(const char* first, double& magnitude) {
  static const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", locale_t{});
  char* end = nullptr;
  magnitude = strtod_l(first, &end, cLocale);
  return end;
}

}  // namespace

ScanfStyleReader::Outcome ScanfStyleReader::Scan(std::string_view pattern,
                                                 std::initializer_list<Target> targets) {
  auto target = targets.begin();
  for (std::size_t p = 0; p < pattern.size(); ++p) {
    const char wanted = pattern[p];
    if (IsSpace(wanted)) {
      SkipWhitespace();
      continue;
    }
    if (wanted == '%') {
      SkipWhitespace();
      if (position_ == text_.size()) return Outcome::kEndOfText;
      const bool isDouble = pattern.substr(p, 3) == "%lf";
      p += isDouble ? 2 : 1;
      const bool converted = isDouble ? ReadDouble(*std::get<double*>(*target))
                                      : ReadInt(*std::get<int*>(*target));
      if (!converted) return Outcome::kMismatch;
      ++target;
      continue;
    }
    if (position_ == text_.size()) return Outcome::kEndOfText;
    if (text_[position_] != wanted) return Outcome::kMismatch;
    ++position_;
  }
  return Outcome::kMatched;
}

int ScanfStyleReader::Line() const {
  // Counts on from the last answer, so that asking once per record stays linear.
  if (position_ < countedUpTo_) {
    countedUpTo_ = 0;
    linesBefore_ = 0;
  }
  linesBefore_ += static_cast<int>(
      std::count(text_.begin() + countedUpTo_, text_.begin() + position_, '\n'));
  countedUpTo_ = position_;
  return 1 + linesBefore_;
}

bool ScanfStyleReader::AtEnd() const {
  return std::all_of(text_.begin() + position_, text_.end(), IsSpace);
}

void ScanfStyleReader::SkipWhitespace() {
  while (position_ < text_.size() && IsSpace(text_[position_])) ++position_;
}

bool ScanfStyleReader::ReadSign() {
  if (position_ < text_.size() && (text_[position_] == '+' || text_[position_] == '-')) {
    return text_[position_++] == '-';
  }
  return false;
}

bool ScanfStyleReader::ReadInt(int& value) {
  const std::size_t start = position_;
  const bool negative = ReadSign();
  const char* first = text_.data() + position_;
  const char* last = text_.data() + text_.size();
  // Parsed as a wider magnitude so that INT_MIN reads and overflow is refused.
  long long magnitude = 0;
  auto [end, error] = std::from_chars(first, last, magnitude);
  const long long signedValue = negative ? -magnitude : magnitude;
  const bool startsWithDigit = first != last && std::isdigit(static_cast<unsigned char>(*first));
  if (!startsWithDigit || error != std::errc() || signedValue < INT32_MIN ||
      signedValue > INT32_MAX) {
    position_ = start;
    return false;
  }
  value = static_cast<int>(signedValue);
  position_ = static_cast<std::size_t>(end - text_.data());
  return true;
}

bool ScanfStyleReader::ReadDouble(double& value) {
  const std::size_t start = position_;
  const bool negative = ReadSign();
  const char* first = text_.data() + position_;
  const char* last = text_.data() + text_.size();
  if (first == last || *first == '-' || *first == '+') {
    position_ = start;
    return false;
  }
  double magnitude = 0.0;
  auto [end, error] = std::from_chars(first, last, magnitude, std::chars_format::general);
  if (error == std::errc::result_out_of_range || StartsWithHexPrefix(first, last)) {
    end = ParseWithCLibrary(first, magnitude);
    error = end == first ? std::errc::invalid_argument : std::errc();
  }
  if (error != std::errc()) {
    position_ = start;
    return false;
  }
  value = negative ? -magnitude : magnitude;
  position_ = static_cast<std::size_t>(end - text_.data());
  return true;
}

}  // namespace solvane

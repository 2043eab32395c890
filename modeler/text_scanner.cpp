#include "text_scanner.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <system_error>
#include <type_traits>

namespace kestrix {

namespace {

// The whitespace of scanf in the "C" locale.
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

// istream::read turns a failing read (a directory, an I/O error) into badbit
// rather than an exception.
std::optional<std::string> ReadTextFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::string text;
  char buffer[4096];
  while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
    text.append(buffer, static_cast<std::size_t>(file.gcount()));
  }
  if (file.bad()) return std::nullopt;
  return text;
}

void TextScanner::SkipLine(std::size_t maxChars) {
  const std::size_t limit = std::min(text_.size(), position_ + maxChars);
  while (position_ < limit) {
    if (text_[position_++] == '\n') return;
  }
}

bool TextScanner::AtEnd() const { return NextNonBlank() == text_.size(); }

int TextScanner::LineNumber() const {
  const std::size_t next = std::min(NextNonBlank(), text_.size());
  const auto before = text_.substr(0, next);
  const auto lines = std::count(before.begin(), before.end(), '\n');
  const bool endsWithBreak = next == text_.size() && !before.empty() && before.back() == '\n';
  return static_cast<int>(lines - (endsWithBreak ? 1 : 0)) + 1;
}

bool TextScanner::ScanFields(std::string_view pattern, std::initializer_list<Field> fields) {
  const Field* field = fields.begin();
  for (std::size_t p = 0; p < pattern.size(); ++p) {
    const char c = pattern[p];
    if (IsBlank(c)) {
      SkipWhitespace();
    } else if (c == '%') {
      const bool wantsReal = pattern.substr(p, 3) == "%lf";
      if (field == fields.end() || !ScanField(wantsReal, *field)) return false;
      ++field;
      p += wantsReal ? 2 : 1;
    } else {
      if (position_ >= text_.size() || text_[position_] != c) return false;
      ++position_;
    }
  }
  return true;
}

// A conversion whose field has the wrong type fails like a mismatch.
bool TextScanner::ScanField(bool wantsReal, Field field) {
  return std::visit(
      [&](auto* target) {
        using Number = std::remove_pointer_t<decltype(target)>;
        return std::is_same_v<Number, double> == wantsReal && ReadNumber(*target);
      },
      field);
}

// scanf accepts a leading "+", which from_chars does not; a "+" followed by
// another sign is left for from_chars to reject.
template <typename Number>
bool TextScanner::ReadNumber(Number& value) {
  SkipWhitespace();
  std::size_t start = position_;
  if (start + 1 < text_.size() && text_[start] == '+' && text_[start + 1] != '-') ++start;
  const char* last = text_.data() + text_.size();
  const auto [end, error] = std::from_chars(text_.data() + start, last, value);
  if (error != std::errc()) return false;
  position_ = static_cast<std::size_t>(end - text_.data());
  return true;
}

void TextScanner::SkipWhitespace() { position_ = NextNonBlank(); }

std::size_t TextScanner::NextNonBlank() const {
  std::size_t next = position_;
  while (next < text_.size() && IsBlank(text_[next])) ++next;
  return next;
}

}  // namespace kestrix

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

// A line ends with "\r\n", "\n" or a lone "\r": a "\n" right after "\r" ends
// no further line.
bool EndsLine(std::string_view text, std::size_t i) {
  return text[i] == '\r' || (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'));
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
  const std::size_t limit = std::min(m_text.size(), m_position + maxChars);
  while (m_position < limit) {
    if (m_text[m_position++] == '\n') return;
  }
}

bool TextScanner::AtEnd() const { return NextNonBlank() == m_text.size(); }

// The scanner only moves forward, so each line break is counted once, as the
// position passes it, and naming the line of every record stays linear.
int TextScanner::LineNumber() const {
  const std::size_t next = std::min(NextNonBlank(), m_text.size());
  for (; m_countedUpTo < next; ++m_countedUpTo) {
    if (EndsLine(m_text, m_countedUpTo)) ++m_breaksCounted;
  }
  const bool endsWithBreak =
      next == m_text.size() && next > 0 && (m_text[next - 1] == '\n' || m_text[next - 1] == '\r');
  return m_breaksCounted - (endsWithBreak ? 1 : 0) + 1;
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
      if (m_position >= m_text.size() || m_text[m_position] != c) return false;
      ++m_position;
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
  std::size_t start = m_position;
  if (start + 1 < m_text.size() && m_text[start] == '+' && m_text[start + 1] != '-') ++start;
  const char* last = m_text.data() + m_text.size();
  const auto [end, error] = std::from_chars(m_text.data() + start, last, value);
  if (error != std::errc()) return false;
  m_position = static_cast<std::size_t>(end - m_text.data());
  return true;
}

void TextScanner::SkipWhitespace() { m_position = NextNonBlank(); }

std::size_t TextScanner::NextNonBlank() const {
  std::size_t next = m_position;
  while (next < m_text.size() && IsBlank(m_text[next])) ++next;
  return next;
}

}  // namespace kestrix

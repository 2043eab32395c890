#pragma once
// The one reader of Kestrix's text files: scanf-style patterns matched against
// text held in memory, in the "C" numeric locale whatever the process locale.

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace kestrix {

// The whole content of the file at `path`, or nothing when it cannot be read.
std::optional<std::string> ReadTextFile(const std::string& path);

class TextScanner {
 public:
  explicit TextScanner(std::string_view text) : m_text(text) {}

  // Matches `pattern` at the current position as scanf does. "%d" and "%lf"
  // skip leading whitespace and convert into the next field, in order; a
  // whitespace character in the pattern skips any whitespace run, none
  // included; any other character must come next in the text. Returns false
  // at the first mismatch or failed conversion, leaving the position there.
  template <typename... Fields>
  bool Scan(std::string_view pattern, Fields&... fields) {
    return ScanFields(pattern, {Field(&fields)...});
  }

  // Skips the rest of a line, reading at most `maxChars` characters as fgets
  // does: the line break is consumed when it lies within them.
  void SkipLine(std::size_t maxChars);

  // Whether only whitespace is left.
  bool AtEnd() const;

  // The 1-based line of the next non-whitespace character (of the last line
  // when none is left): where a failed Scan stopped, for messages. Lines end
  // with "\n", "\r\n" or a lone "\r".
  int LineNumber() const;

 private:
  using Field = std::variant<int*, double*>;

  bool ScanFields(std::string_view pattern, std::initializer_list<Field> fields);
  bool ScanField(bool wantsReal, Field field);
  template <typename Number>
  bool ReadNumber(Number& value);
  void SkipWhitespace();
  std::size_t NextNonBlank() const;

  std::string_view m_text;
  std::size_t m_position = 0;
  // Line breaks counted so far, and the position counting has reached.
  mutable int m_breaksCounted = 0;
  mutable std::size_t m_countedUpTo = 0;
};

}  // namespace kestrix

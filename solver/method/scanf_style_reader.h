#pragma once
// Reads a text with scanf-style patterns, the way the model file is defined:
// "%d" reads an int and "%lf" a double, each after optional whitespace and an
// optional sign; a whitespace character in the pattern matches any run of
// whitespace, including none; every other character must follow at once.
// Numbers are read in the "C" format whatever the user's locale is.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace solvane {

class ScanfStyleReader {
 public:
  enum class Outcome { kMatched, kMismatch, kEndOfText };
  using Target = std::variant<int*, double*>;

  explicit ScanfStyleReader(std::string text) : text_(std::move(text)) {}

  // Matches `pattern` at the current position, storing the conversions in
  // `targets` in order. On failure the position stays where matching stopped.
  Outcome Scan(std::string_view pattern, std::initializer_list<Target> targets);

  // 1-based line of the current position, for messages about the input.
  int Line() const;
  // Whether only whitespace is left.
  bool AtEnd() const;
  // Characters not yet read.
  std::size_t Remaining() const { return text_.size() - position_; }

 private:
  void SkipWhitespace();
  bool ReadInt(int& value);
  bool ReadDouble(double& value);
  // Consumes an optional sign; true when it was '-'.
  bool ReadSign();

  std::string text_;
  std::size_t position_ = 0;
  mutable std::size_t countedUpTo_ = 0;
  mutable int linesBefore_ = 0;
};

}  // namespace solvane

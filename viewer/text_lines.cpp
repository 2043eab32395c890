#include "text_lines.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "decimal_text.h"

namespace ambrel {

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::string text(std::istreambuf_iterator<char>(file), {});
  if (file.bad()) return std::nullopt;
  return text;
}

TextLines::TextLines(std::string_view text, std::string fileName)
    : text_(text), fileName_(std::move(fileName)) {}

ReadResult<std::string_view> TextLines::Next() {
  if (text_.empty()) return ReadError{fileName_, 0, "the file is empty"};
  if (position_ >= text_.size()) return ErrorAtEnd("the file ends here, rows are missing");
  const std::size_t end = text_.find('\n', position_);
  ++lineNumber_;
  if (end == std::string_view::npos) {
    return ErrorHere("the line has no line break: the file is incomplete");
  }
  std::string_view line = text_.substr(position_, end - position_);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  position_ = end + 1;
  return line;
}

bool TextLines::HasLines(long long count) const {
  const auto rest = text_.substr(std::min(position_, text_.size()));
  return std::count(rest.begin(), rest.end(), '\n') >= count;
}

std::optional<ReadError> TextLines::ExpectEnd(const std::string& rowsExpected) {
  while (position_ < text_.size()) {
    const std::size_t end = std::min(text_.find('\n', position_), text_.size());
    ++lineNumber_;
    if (!TrimBlanks(text_.substr(position_, end - position_)).empty()) {
      return ErrorHere("a row more than " + rowsExpected);
    }
    position_ = end + 1;
  }
  return std::nullopt;
}

ReadError TextLines::ErrorAtEnd(std::string reason) const {
  const auto breaks = std::count(text_.begin(), text_.end(), '\n');
  const bool openLastLine = !text_.empty() && text_.back() != '\n';
  return ReadError{fileName_, static_cast<int>(breaks + (openLastLine ? 1 : 0)), std::move(reason)};
}

ReadError TextLines::ErrorHere(std::string reason) const {
  return ReadError{fileName_, lineNumber_, std::move(reason)};
}

}  // namespace ambrel

#pragma once
// The lines of a result file held in memory, read one after another with
// their numbers, and the checks that every reader of rows makes: the file
// holds exactly the rows it announces, and it ends with a line break, which a
// file still being written does not.

#include <optional>
#include <string>
#include <string_view>

#include "read_error.h"

namespace ambrel {

// The whole content of the file at `path`, or nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

class TextLines {
 public:
  TextLines(std::string_view text, std::string fileName);

  // The next line without its line break (and without a carriage return
  // before it), or an error naming the line where the text ends: the text has
  // run out, or its last line has no line break.
  ReadResult<std::string_view> Next();

  // Whether at least `count` more complete lines follow, counted without
  // reading them, so that a count far beyond the file is caught before
  // anything is allocated for it.
  bool HasLines(long long count) const;

  // An error at the last line of the text, for a text that ends too early.
  ReadError ErrorAtEnd(std::string reason) const;

  // An error unless only blank lines are left.
  std::optional<ReadError> ExpectEnd(const std::string& rowsExpected);

  // An error at the line last returned by Next.
  ReadError ErrorHere(std::string reason) const;

  int LineNumber() const { return lineNumber_; }

 private:
  std::string_view text_;
  std::string fileName_;
  std::size_t position_ = 0;
  int lineNumber_ = 0;
};

}  // namespace ambrel

#pragma once
// A result file opened for writing by name, created or truncated. Lines are
// written whole; the file is closed when the object goes out of scope.

#include <cstdio>
#include <string_view>

namespace solvane {

class ResultFile {
 public:
  ResultFile() = default;
  ResultFile(const ResultFile&) = delete;
  ResultFile& operator=(const ResultFile&) = delete;
  ~ResultFile() { Close(); }

  // Opens (or reopens) `fileName`; false when it cannot be opened for writing.
  bool Open(const char* fileName);
  // Writes `line` followed by a newline.
  void WriteLine(std::string_view line);
  void Close();

 private:
  std::FILE* file_ = nullptr;
};

}  // namespace solvane

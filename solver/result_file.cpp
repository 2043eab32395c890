#include "result_file.h"

namespace solvane {

bool ResultFile::Open(const char* fileName) {
  Close();
  file_ = std::fopen(fileName, "w");
  return file_ != nullptr;
}

void ResultFile::WriteLine(std::string_view line) {
  std::fwrite(line.data(), 1, line.size(), file_);
  std::fputc('\n', file_);
  std::fflush(file_);
}

void ResultFile::Close() {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
}

}  // namespace solvane

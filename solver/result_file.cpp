#include "result_file.h"

namespace solvane {

bool ResultFile::Open(const char* fileName) {
  Close();
  file_ = std::fopen(fileName, "w");
  if (file_ == nullptr) return false;
  // The buffer below already gathers large blocks; a second one in the stream
  // would only copy them again.
  std::setvbuf(file_, nullptr, _IONBF, 0);
  buffer_.reserve(kResultFileBufferBytes);
  return true;
}

void ResultFile::WriteLine(std::string_view line) {
  buffer_.append(line);
  WriteText("\n");
}

void ResultFile::WriteText(std::string_view text) {
  buffer_.append(text);
  if (buffer_.size() >= kResultFileBufferBytes) WriteBuffered();
}

void ResultFile::WriteBuffered() {
  std::fwrite(buffer_.data(), 1, buffer_.size(), file_);
  buffer_.clear();
}

void ResultFile::Close() {
  if (file_ == nullptr) return;
  WriteBuffered();
  std::fclose(file_);
  file_ = nullptr;
}

}  // namespace solvane

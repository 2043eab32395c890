#include "output/result_file.h"

namespace solvane {

bool ResultFile::Open(const char* fileName) {
  Close();
  file_ = std::fopen(fileName, "w");
  if (file_ == nullptr) return false;
  // buffer_ already gathers large blocks; a second buffer in the stream
  // would only copy them again.
  std::setvbuf(file_, nullptr, _IONBF, 0);
  buffer_.reserve(kResultFileBufferBytes);
  return true;
}

void ResultFile::WriteText(std::string_view text) {
  if (text.size() < kResultFileBufferBytes) {
    buffer_.append(text);
    WriteIfFull();
    return;
  }
  WriteBuffered();
  std::fwrite(text.data(), 1, text.size(), file_);
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

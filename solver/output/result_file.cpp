#include "output/result_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "console/console.h"

namespace solvane {

ResultFile::~ResultFile() {
  if (file_ == nullptr) return;
  (void)!ftruncate(fileno(file_), 0);
  std::fclose(file_);
}

bool ResultFile::Open(const char* fileName) {
  name_ = fileName;
  failure_.clear();
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
  WriteOut(text);
}

void ResultFile::WriteBuffered() {
  WriteOut(buffer_);
  buffer_.clear();
}

// After the first failure nothing more is written: the file is emptied on close.
void ResultFile::WriteOut(std::string_view text) {
  if (!failure_.empty() || text.empty()) return;
  if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) Fail("写入失败");
}

bool ResultFile::Close() {
  if (file_ == nullptr) return failure_.empty();
  WriteBuffered();
  if (!failure_.empty()) (void)!ftruncate(fileno(file_), 0);
  if (std::fclose(file_) != 0 && failure_.empty()) {
    Fail("关闭失败");
    (void)!truncate(name_.c_str(), 0);
  }
  file_ = nullptr;
  return failure_.empty();
}

void ResultFile::Fail(std::string_view what) {
  const int error = errno;
  if (!failure_.empty()) return;
  failure_ = "结果文件" + name_ + std::string(what) + ": " + std::strerror(error);
}

bool CloseOrFail(ResultFile& file) { return file.Close() || FailAfterWait(file.Failure()); }

}  // namespace solvane

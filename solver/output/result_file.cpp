#include "output/result_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

#include "console/console.h"

namespace solvane {

ResultFile::~ResultFile() {
  // The block writer stops before the file is emptied and closed.
  writer_.reset();
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
  SettleWriter();
  WriteBuffered();
  WriteOut(text);
}

// After the first failure known here nothing more is handed over.
void ResultFile::HandOver() {
  if (!failure_.empty()) {
    buffer_.clear();
    return;
  }
  if (writer_ == nullptr && !writerRefused_) {
    try {
      writer_ = std::make_unique<BlockWriter>(file_);
    } catch (const std::system_error&) {
      writerRefused_ = true;
    }
  }
  if (writer_ == nullptr) {
    WriteBuffered();
    return;
  }
  writer_->Hand(buffer_);
  buffer_.reserve(kResultFileBufferBytes);
}

void ResultFile::SettleWriter() {
  int error = 0;
  if (writer_ != nullptr && !writer_->Wait(error)) Fail("写入失败", error);
}

void ResultFile::WriteBuffered() {
  WriteOut(buffer_);
  buffer_.clear();
}

// After the first failure nothing more is written: the file is emptied on close.
void ResultFile::WriteOut(std::string_view text) {
  if (!failure_.empty() || text.empty()) return;
  if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) Fail("写入失败", errno);
}

bool ResultFile::Close() {
  if (file_ == nullptr) return failure_.empty();
  SettleWriter();
  writer_.reset();
  WriteBuffered();
  if (!failure_.empty()) (void)!ftruncate(fileno(file_), 0);
  if (std::fclose(file_) != 0 && failure_.empty()) {
    Fail("关闭失败", errno);
    (void)!truncate(name_.c_str(), 0);
  }
  file_ = nullptr;
  return failure_.empty();
}

void ResultFile::Fail(std::string_view what, int error) {
  if (!failure_.empty()) return;
  failure_ = "结果文件" + name_ + std::string(what) + ": " + std::strerror(error);
}

bool CloseOrFail(ResultFile& file) { return file.Close() || FailAfterWait(file.Failure()); }

}  // namespace solvane

#pragma once
// A result file opened for writing by name, created or truncated. Lines are
// gathered in a buffer and handed to the file in large blocks, which a thread
// of the file's own writes while the next block is gathered; whatever is still
// buffered is written when the writer closes the file, so every file that a
// writer has finished is complete on disk before the next one is opened.
// Every write and the close are checked: a file that could not be written in
// full is left empty rather than looking complete.

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "output/block_writer.h"

namespace solvane {

// How much text a result file gathers before it writes it out.
inline constexpr std::size_t kResultFileBufferBytes = std::size_t{1} << 18;

class ResultFile {
 public:
  ResultFile() = default;
  ResultFile(const ResultFile&) = delete;
  ResultFile& operator=(const ResultFile&) = delete;
  // A file that its writer did not close is unfinished: it is left empty.
  ~ResultFile();

  // Opens `fileName`; false when it cannot be opened for writing.
  bool Open(const char* fileName);
  // Writes `line` followed by a newline. Defined here, as it runs once a line.
  void WriteLine(std::string_view line) {
    buffer_.append(line);
    buffer_ += '\n';
    WriteIfFull();
  }
  // Writes `text` as it stands: whole lines, each ending with a newline.
  // Text of a buffer's size or more goes to the file directly from this
  // thread, after what is buffered, rather than being copied into the buffer
  // first.
  void WriteText(std::string_view text);
  // Lets `appendLines` append whole lines to the buffer itself, so that rows
  // need no string of their own.
  template <typename AppendLines>
  void WriteWith(const AppendLines& appendLines) {
    appendLines(buffer_);
    WriteIfFull();
  }
  // Writes out what is buffered and closes the file. False when a write or
  // the close failed; the file is then emptied and Failure() says why.
  bool Close();
  // The message for a failed file: its name, what failed and the system's
  // text for the error.
  const std::string& Failure() const { return failure_; }

 private:
  void WriteIfFull() {
    if (buffer_.size() >= kResultFileBufferBytes) HandOver();
  }
  void HandOver();
  // Waits until the block writer has written what it was handed; a write of
  // its that failed becomes this file's failure.
  void SettleWriter();
  void WriteBuffered();
  void WriteOut(std::string_view text);
  // Keeps the first failure, described with `error` (an errno value).
  void Fail(std::string_view what, int error);

  std::FILE* file_ = nullptr;
  std::string name_;
  std::string buffer_;
  std::string failure_;
  // Started with the first full buffer; none when no thread could be started,
  // and the file is then written from the calling thread.
  std::unique_ptr<BlockWriter> writer_;
  bool writerRefused_ = false;
};

// Closes `file`; when it could not be written in full, prints why, waits for
// Enter and returns false, so that the run ends with status 1.
bool CloseOrFail(ResultFile& file);

}  // namespace solvane

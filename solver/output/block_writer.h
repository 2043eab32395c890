#pragma once
// Blocks of text written to a stream on a thread of its own, in the order they
// are handed over, while the calling thread gathers the next block. A block
// changes hands by swapping strings, so that no text is copied; at most one
// block is held by the thread at a time.

#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>

namespace solvane {

class BlockWriter {
 public:
  // Starts the thread; throws std::system_error when it cannot be started.
  explicit BlockWriter(std::FILE* file);
  // Stops the thread, leaving a block it has not begun unwritten, and joins it.
  ~BlockWriter();
  BlockWriter(const BlockWriter&) = delete;
  BlockWriter& operator=(const BlockWriter&) = delete;

  // Waits until the block handed before is written, then takes `block` and
  // leaves in its place the emptied storage of that earlier block. After a
  // write failed, later blocks are dropped unwritten.
  void Hand(std::string& block);
  // Waits until every block handed over is written; false when a write
  // failed, with `error` set to the errno it left.
  bool Wait(int& error);

 private:
  void WriteHandedBlocks();

  std::FILE* const file_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::string block_;
  bool holding_ = false;
  bool stop_ = false;
  bool failed_ = false;
  int error_ = 0;
  // Last, so that everything it uses exists before it starts.
  std::thread thread_;
};

}  // namespace solvane

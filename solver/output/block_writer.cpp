#include "output/block_writer.h"

#include <cerrno>
#include <utility>

namespace solvane {

BlockWriter::BlockWriter(std::FILE* file) : file_(file), thread_([this] { WriteHandedBlocks(); }) {}

BlockWriter::~BlockWriter() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

void BlockWriter::Hand(std::string& block) {
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [this] { return !holding_; });
  std::swap(block, block_);
  holding_ = true;
  lock.unlock();
  changed_.notify_all();
}

bool BlockWriter::Wait(int& error) {
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [this] { return !holding_; });
  error = error_;
  return !failed_;
}

// The block is written with the lock released; the calling thread does not
// touch it, nor the stream, until the thread lets go of it.
void BlockWriter::WriteHandedBlocks() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return holding_ || stop_; });
    if (stop_) return;
    const bool failedBefore = failed_;
    lock.unlock();
    bool failed = false;
    int error = 0;
    if (!failedBefore && std::fwrite(block_.data(), 1, block_.size(), file_) != block_.size()) {
      failed = true;
      error = errno;
    }
    block_.clear();
    lock.lock();
    if (failed) {
      failed_ = true;
      error_ = error;
    }
    holding_ = false;
    changed_.notify_all();
  }
}

}  // namespace solvane

#include "fast/ordered_rows.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>

namespace solvane {

namespace {

// Blocks may be formatted up to this many ahead of the one being written.
constexpr int kSlots = 4;

int BlockCount(int count) { return (count + kRowsPerBlock - 1) / kRowsPerBlock; }

void AppendBlock(std::string& text, const FormatRow& formatRow, int block, int count) {
  const int end = std::min(count, (block + 1) * kRowsPerBlock);
  for (int row = block * kRowsPerBlock; row < end; ++row) formatRow(text, row);
}

// Blocks handed out in order to whichever thread asks first, the calling
// thread or a helper, each formatted into the slot of its number; the calling
// thread writes them in order and asks for more work only while the next
// block to write is not ready, so that writing never waits for formatting it
// could do itself and the helper takes up the slack while the calling thread
// writes. A failure while formatting on the helper (out of memory) is passed
// on to the calling thread when it waits for that block.
class SharedBlockFormatter {
 public:
  // Running() is false when no helper thread could be started.
  SharedBlockFormatter(const FormatRow& formatRow, int count)
      : formatRow_(formatRow), count_(count), blocks_(BlockCount(count)) {
    try {
      thread_ = std::thread([this] { HelperLoop(); });
    } catch (const std::system_error&) {
    }
  }
  ~SharedBlockFormatter() {
    if (!Running()) return;
    {
      std::lock_guard lock(mutex_);
      stop_ = true;
    }
    changed_.notify_all();
    thread_.join();
  }
  SharedBlockFormatter(const SharedBlockFormatter&) = delete;
  SharedBlockFormatter& operator=(const SharedBlockFormatter&) = delete;

  bool Running() const { return thread_.joinable(); }

  void WriteAll(ResultFile& file) {
    for (int block = 0; block < blocks_; ++block) {
      WaitFormatting(block);
      file.WriteText(slots_[block % kSlots].text);
      {
        std::lock_guard lock(mutex_);
        slots_[block % kSlots].ready = false;
        ++written_;
      }
      changed_.notify_all();
    }
  }

 private:
  struct Slot {
    std::string text;
    bool ready = false;
  };

  // Formats other blocks until `block` is ready.
  void WaitFormatting(int block) {
    std::unique_lock lock(mutex_);
    while (!slots_[block % kSlots].ready) {
      if (failure_) std::rethrow_exception(failure_);
      if (CanClaim()) {
        FormatClaimed(lock);
      } else {
        changed_.wait(lock);
      }
    }
  }

  void HelperLoop() {
    std::unique_lock lock(mutex_);
    for (;;) {
      changed_.wait(lock, [this] { return stop_ || claimed_ == blocks_ || CanClaim(); });
      if (stop_ || claimed_ == blocks_) return;
      try {
        FormatClaimed(lock);
      } catch (...) {
        failure_ = std::current_exception();
        changed_.notify_all();
        return;
      }
    }
  }

  // A block is free to claim when its slot has been written out.
  bool CanClaim() const { return claimed_ < blocks_ && claimed_ < written_ + kSlots; }

  // Claims the next block and formats it with the lock released.
  void FormatClaimed(std::unique_lock<std::mutex>& lock) {
    const int block = claimed_++;
    Slot& slot = slots_[block % kSlots];
    lock.unlock();
    slot.text.clear();
    try {
      AppendBlock(slot.text, formatRow_, block, count_);
    } catch (...) {
      lock.lock();
      throw;
    }
    lock.lock();
    slot.ready = true;
    changed_.notify_all();
  }

  const FormatRow& formatRow_;
  const int count_;
  const int blocks_;
  Slot slots_[kSlots];
  std::mutex mutex_;
  std::condition_variable changed_;
  int claimed_ = 0;
  int written_ = 0;
  bool stop_ = false;
  std::exception_ptr failure_;
  std::thread thread_;
};

}  // namespace

void WriteOrderedRows(ResultFile& file, int count, const FormatRow& formatRow) {
  // A helper pays when there are two cores and two blocks to share.
  if (BlockCount(count) >= 2 && std::thread::hardware_concurrency() >= 2) {
    SharedBlockFormatter formatter(formatRow, count);
    if (formatter.Running()) return formatter.WriteAll(file);
  }
  for (int block = 0; block < BlockCount(count); ++block) {
    file.WriteWith([&](std::string& text) { AppendBlock(text, formatRow, block, count); });
  }
}

}  // namespace solvane

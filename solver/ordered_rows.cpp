#include "ordered_rows.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

namespace solvane {

namespace {

// The helper formats up to this many blocks ahead of the one being written.
constexpr int kHelperSlots = 2;

int BlockCount(int count) { return (count + kRowsPerBlock - 1) / kRowsPerBlock; }

void AppendBlock(std::string& text, const FormatRow& formatRow, int block, int count) {
  const int end = std::min(count, (block + 1) * kRowsPerBlock);
  for (int row = block * kRowsPerBlock; row < end; ++row) formatRow(text, row);
}

// Formats the odd blocks 1, 3, 5, ... on a thread of its own, each into a
// free slot, and hands them out in order. A failure while formatting (out of
// memory) is passed on to the calling thread when it takes the block.
class OddBlockFormatter {
 public:
  // Without a thread of its own (none could be started) it formats nothing.
  OddBlockFormatter(const FormatRow& formatRow, int count) : formatRow_(formatRow), count_(count) {
    try {
      thread_ = std::thread([this] { FormatAll(); });
    } catch (const std::system_error&) {
    }
  }
  ~OddBlockFormatter() {
    if (!Running()) return;
    {
      std::lock_guard lock(mutex_);
      stop_ = true;
    }
    changed_.notify_all();
    thread_.join();
  }
  OddBlockFormatter(const OddBlockFormatter&) = delete;
  OddBlockFormatter& operator=(const OddBlockFormatter&) = delete;

  bool Running() const { return thread_.joinable(); }

  // Waits for odd block `block`; its text stays valid until Release.
  const std::string& Take(int block) {
    const int index = block / 2;
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return formatted_ > index || failure_; });
    if (failure_) std::rethrow_exception(failure_);
    return slots_[index % kHelperSlots];
  }

  // Frees the slot of the block taken last for the helper to refill.
  void Release() {
    {
      std::lock_guard lock(mutex_);
      ++released_;
    }
    changed_.notify_all();
  }

 private:
  void FormatAll() {
    try {
      for (int index = 0; 2 * index + 1 < BlockCount(count_); ++index) {
        if (!WaitForFreeSlot(index)) return;
        std::string& slot = slots_[index % kHelperSlots];
        slot.clear();
        AppendBlock(slot, formatRow_, 2 * index + 1, count_);
        {
          std::lock_guard lock(mutex_);
          ++formatted_;
        }
        changed_.notify_all();
      }
    } catch (...) {
      {
        std::lock_guard lock(mutex_);
        failure_ = std::current_exception();
      }
      changed_.notify_all();
    }
  }

  // False when the writer stops before the slot is free.
  bool WaitForFreeSlot(int index) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return index - released_ < kHelperSlots || stop_; });
    return !stop_;
  }

  const FormatRow& formatRow_;
  const int count_;
  std::string slots_[kHelperSlots];
  std::mutex mutex_;
  std::condition_variable changed_;
  int formatted_ = 0;
  int released_ = 0;
  bool stop_ = false;
  std::exception_ptr failure_;
  std::thread thread_;
};

}  // namespace

void WriteOrderedRows(ResultFile& file, int count, const FormatRow& formatRow) {
  // A helper pays when there are two cores and two blocks to share.
  std::optional<OddBlockFormatter> helper;
  if (BlockCount(count) >= 2 && std::thread::hardware_concurrency() >= 2) {
    helper.emplace(formatRow, count);
  }
  for (int block = 0; block < BlockCount(count); ++block) {
    if (helper && helper->Running() && block % 2 == 1) {
      file.WriteText(helper->Take(block));
      helper->Release();
    } else {
      file.WriteWith([&](std::string& text) { AppendBlock(text, formatRow, block, count); });
    }
  }
}

}  // namespace solvane

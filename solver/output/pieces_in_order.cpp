#include "output/pieces_in_order.h"

#include <array>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

namespace solvane {

namespace {

// The pieces between the next one to use and the next one to take, each in
// the slot of its number modulo kPiecesAhead. Texts keep their storage from
// piece to piece.
class PieceSlots {
 public:
  PieceSlots(int count, const BuildPiece& build) : count_(count), build_(build) {}

  // The helper thread: builds pieces until all are taken or Stop is called.
  void HelpUntilDone() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
      changed_.wait(lock, [this] { return stop_ || nextToTake_ >= count_ || CanTake(); });
      if (stop_ || nextToTake_ >= count_) return;
      BuildTaken(lock);
    }
  }

  // The calling thread: hands every piece to `use` in order.
  void UseInOrder(const UsePiece& use) {
    for (int piece = 0; piece < count_; ++piece) {
      const int slot = piece % kPiecesAhead;
      std::unique_lock<std::mutex> lock(mutex_);
      while (!ready_[slot]) {
        if (CanTake()) {
          BuildTaken(lock);
        } else {
          changed_.wait(lock);
        }
      }
      std::string text = std::move(texts_[slot]);
      ready_[slot] = false;
      if (failures_[slot]) std::rethrow_exception(std::exchange(failures_[slot], nullptr));
      lock.unlock();
      use(text);
      lock.lock();
      texts_[slot] = std::move(text);
      ++nextToUse_;
      changed_.notify_all();
    }
  }

  void Stop() {
    const std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
    changed_.notify_all();
  }

 private:
  bool CanTake() const { return nextToTake_ < count_ && nextToTake_ < nextToUse_ + kPiecesAhead; }

  // Takes the next piece and builds it with the lock released. What the
  // building throws is kept with the piece and thrown again on the calling
  // thread when the piece's turn comes, as if it had been built there.
  void BuildTaken(std::unique_lock<std::mutex>& lock) {
    const int piece = nextToTake_++;
    const int slot = piece % kPiecesAhead;
    std::string text = std::move(texts_[slot]);
    lock.unlock();
    text.clear();
    std::exception_ptr failure;
    try {
      build_(piece, text);
    } catch (...) {
      failure = std::current_exception();
    }
    lock.lock();
    failures_[slot] = failure;
    texts_[slot] = std::move(text);
    ready_[slot] = true;
    changed_.notify_all();
  }

  const int count_;
  const BuildPiece& build_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::array<std::string, kPiecesAhead> texts_;
  std::array<bool, kPiecesAhead> ready_{};
  std::array<std::exception_ptr, kPiecesAhead> failures_{};
  int nextToTake_ = 0;
  int nextToUse_ = 0;
  bool stop_ = false;
};

// Starts the helper thread if it can and stops and joins it when it goes out
// of scope, also when `use` or `build` throws on the calling thread.
class PieceHelper {
 public:
  explicit PieceHelper(PieceSlots& slots) : slots_(slots) {
    try {
      thread_ = std::thread([this] { slots_.HelpUntilDone(); });
    } catch (const std::system_error&) {
    }
  }
  PieceHelper(const PieceHelper&) = delete;
  PieceHelper& operator=(const PieceHelper&) = delete;
  ~PieceHelper() {
    if (!thread_.joinable()) return;
    slots_.Stop();
    thread_.join();
  }

 private:
  PieceSlots& slots_;
  std::thread thread_;
};

}  // namespace

bool BuildPiecesInOrder(int count, const BuildPiece& build, const PreparePieces& prepare,
                        const UsePiece& use) {
  PieceSlots slots(count, build);
  const PieceHelper helper(slots);
  if (!prepare()) return false;
  slots.UseInOrder(use);
  return true;
}

}  // namespace solvane

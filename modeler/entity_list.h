#pragma once

#include <list>
#include <ranges>

namespace kestrix {

// The container of every growing collection of the model. Insertion is only at
// the front, so forward traversal visits the newest element first and backward
// traversal visits elements in insertion order; both orders carry meaning
// (numbering reads the front, files list the backward order).
template <typename T>
class EntityList {
 public:
  void Insert(T value) { items_.push_front(std::move(value)); }
  void Clear() { items_.clear(); }

  int Count() const { return static_cast<int>(items_.size()); }
  bool IsEmpty() const { return items_.empty(); }
  // The newest element; the list must not be empty.
  const T& Front() const { return items_.front(); }

  // Forward traversal, newest first.
  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

  // Backward traversal, oldest first.
  auto InsertionOrder() const { return std::views::reverse(items_); }

  // For entities with a selected flag.
  int CountSelected() const {
    int count = 0;
    for (const T& item : items_) {
      if (item.selected) ++count;
    }
    return count;
  }
  void ClearSelected() {
    for (T& item : items_) item.selected = false;
  }

 private:
  std::list<T> items_;
};

}  // namespace kestrix

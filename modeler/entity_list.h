#pragma once

#include <ranges>
#include <span>
#include <vector>

namespace kestrix {

// The container of every growing collection of the model. Insertion is only at
// the front, so forward traversal visits the newest element first and backward
// traversal visits elements in insertion order; both orders carry meaning
// (numbering reads the front, files list the backward order). The elements
// are stored oldest first, so the k-th inserted element is at position k of
// the insertion order.
template <typename T>
class EntityList {
 public:
  void Insert(T value) { m_items.push_back(std::move(value)); }
  void Clear() { m_items.clear(); }
  // Removes the elements for which `removes` is true, keeping the order of
  // the others; returns how many went.
  template <typename Predicate>
  int RemoveIf(Predicate removes) {
    return static_cast<int>(std::erase_if(m_items, removes));
  }

  int Count() const { return static_cast<int>(m_items.size()); }
  bool IsEmpty() const { return m_items.empty(); }
  // The newest element; the list must not be empty.
  const T& Front() const { return m_items.back(); }

  // Forward traversal, newest first.
  auto begin() { return m_items.rbegin(); }
  auto end() { return m_items.rend(); }
  auto begin() const { return m_items.rbegin(); }
  auto end() const { return m_items.rend(); }

  // Backward traversal, oldest first, with the k-th inserted element at k.
  std::span<const T> InsertionOrder() const { return m_items; }

  // For entities with a selected flag.
  int CountSelected() const {
    int count = 0;
    for (const T& item : m_items) {
      if (item.selected) ++count;
    }
    return count;
  }
  void ClearSelected() {
    for (T& item : m_items) item.selected = false;
  }

 private:
  std::vector<T> m_items;
};

}  // namespace kestrix

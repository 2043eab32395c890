#pragma once
// An allocator whose blocks start on a cache line, so that no vector of up to
// 64 bytes read at a multiple of its size from the start straddles two lines:
// a read across a line boundary costs two.

#include <cstddef>
#include <new>

namespace solvane {

inline constexpr std::size_t kCacheLineBytes = 64;

template <class T>
struct CacheLineAllocator {
  using value_type = T;

  CacheLineAllocator() = default;
  template <class U>
  explicit CacheLineAllocator(const CacheLineAllocator<U>&) {}

  T* allocate(std::size_t count) {
    return static_cast<T*>(::operator new(count * sizeof(T), std::align_val_t{kCacheLineBytes}));
  }
  void deallocate(T* block, std::size_t) { ::operator delete(block, std::align_val_t{kCacheLineBytes}); }

  template <class U>
  bool operator==(const CacheLineAllocator<U>&) const {
    return true;
  }
};

}  // namespace solvane

#pragma once
// The upper band of the symmetric global stiffness matrix: `rows` rows of
// `halfBandwidth` entries, row r holding the columns r to r + halfBandwidth - 1
// with its diagonal first. Entries whose column lies beyond the last row exist
// and stay 0. The band owns its storage, which it asks of the system zeroed.

#include <cstddef>

namespace solvane {

class Band {
 public:
  Band() = default;
  // All entries 0. Throws std::bad_alloc when the system refuses the storage.
  Band(int rows, int halfBandwidth);
  ~Band();
  Band(Band&& other) noexcept;
  Band& operator=(Band&& other) noexcept;
  Band(const Band&) = delete;
  Band& operator=(const Band&) = delete;

  int rows() const { return rows_; }
  int halfBandwidth() const { return halfBandwidth_; }

  // Row r addressed by global column: Row(r)[c] is the entry (r, c) for c in
  // [r, r + halfBandwidth). Row(r + 1) starts RowStride() entries after Row(r),
  // so that one pointer and the stride walk down a column block of the band.
  double* Row(int r) { return entries_ + static_cast<std::ptrdiff_t>(r) * RowStride(); }
  const double* Row(int r) const { return entries_ + static_cast<std::ptrdiff_t>(r) * RowStride(); }
  std::ptrdiff_t RowStride() const { return halfBandwidth_ - 1; }

  // The entry (r, c) for c in [r, r + halfBandwidth).
  double& operator()(int r, int c) { return Row(r)[c]; }
  double operator()(int r, int c) const { return Row(r)[c]; }
  double& Diagonal(int r) { return Row(r)[r]; }
  double Diagonal(int r) const { return Row(r)[r]; }

  // Adds `value` at (a, b) of the symmetric matrix, which the band holds at
  // (min, max).
  void AddSymmetric(int a, int b, double value) {
    if (b < a) {
      (*this)(b, a) += value;
    } else {
      (*this)(a, b) += value;
    }
  }

  // Maps the pages of piece `piece` of `pieces` equal pieces of the storage
  // ahead of their first write, entries unchanged. The first touch of a large
  // band costs more than its assembly; threads that map different pieces at
  // once share that cost. Without it the writes map the pages one by one.
  void MapPiece(int piece, int pieces);

  // All rows * halfBandwidth entries, row after row.
  double* entries() { return entries_; }
  const double* entries() const { return entries_; }
  std::size_t size() const { return static_cast<std::size_t>(rows_) * halfBandwidth_; }

 private:
  void Release();

  double* entries_ = nullptr;
  int rows_ = 0;
  int halfBandwidth_ = 0;
};

}  // namespace solvane

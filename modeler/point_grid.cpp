#include "point_grid.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace kestrix {

namespace {

std::uint64_t Mix(std::uint64_t bits) {
  bits ^= bits >> 33;
  bits *= 0xff51afd7ed558ccdULL;
  bits ^= bits >> 33;
  bits *= 0xc4ceb9fe1a85ec53ULL;
  return bits ^ (bits >> 33);
}

}  // namespace

std::size_t PointGrid::CellHash::operator()(const Cell& cell) const {
  return Mix(std::bit_cast<std::uint64_t>(cell.ix) ^ Mix(std::bit_cast<std::uint64_t>(cell.iy)));
}

void PointGrid::Insert(ModelPosition p, int id) {
  const std::optional<double> ix = CellIndex(p.x);
  const std::optional<double> iy = CellIndex(p.y);
  if (!ix || !iy) return;
  const int entry = static_cast<int>(m_entries.size());
  const auto [head, inserted] = m_heads.try_emplace({*ix, *iy}, entry);
  m_entries.push_back({id, inserted ? -1 : head->second});
  head->second = entry;
}

std::optional<double> PointGrid::CellIndex(double coordinate) const {
  if (!std::isfinite(coordinate)) return std::nullopt;
  // Adding 0.0 turns -0.0 into 0.0, whose bits differ.
  return std::floor(coordinate / m_cellSize) + 0.0;
}

std::optional<PointGrid::Span> PointGrid::SpanOf(double coordinate) const {
  const std::optional<double> index = CellIndex(coordinate);
  if (!index) return std::nullopt;
  // Exact: the quotient and its floor are within a factor of two of each other.
  const double within = coordinate / m_cellSize - *index;
  return Span{*index, within<0.25, within> 0.75};
}

}  // namespace kestrix

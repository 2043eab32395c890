#include "fast/solve_banded_fast.h"

#include <algorithm>
#include <cmath>
#include <thread>
#include <vector>

#include "fast/shared_chunks.h"
#include "fast/solve_banded_fast_kernels.h"
#include "fast/trailing_update.h"
#include "method/solve_banded.h"

namespace solvane {

namespace {

// Pivots eliminated together: each entry below them is loaded once per panel.
constexpr int kPanelPivots = 32;
// Within a panel, blocks of this many pivots are applied to the panel's later
// rows together, in register tiles, instead of one pivot row at a time.
constexpr int kBlockPivots = 8;
static_assert(kPanelPivots <= kMostPackedPivots);
// The rows below a panel are handed out in this many pieces of about equal
// work, each a multiple of kChunkRows rows (whole register tiles of every
// variant).
constexpr int kChunksPerPanel = 24;
constexpr int kChunkRows = 6;
// Narrower bands leave too little work per panel to share between threads.
constexpr int kSharedBandwidth = 96;
// The calling thread writes each panel's multipliers and packed values, and
// both threads read them. Written into the buffers of the panel before, they
// would find their lines in the helper's cache, and every write would wait for
// the helper's copy to be dropped; buffers used this many panels ago have left
// it, as the helper's rows below the panels have streamed through since.
constexpr int kPanelBuffers = 8;

bool AllFinite(const PivotStep* steps, int count) {
  return std::all_of(steps, steps + count, [](const PivotStep& step) { return step.finite; });
}

// How many rows and columns from `base` on the pivots reach.
int ReachFrom(int base, const PivotStep* steps, int count) {
  int width = 0;
  for (int k = 0; k < count; ++k) width = std::max(width, steps[k].end - base);
  return width;
}

// A block of pivots [first, end): their steps and, when the rows below them
// may be updated densely, their packed values. The multipliers of pivot j lie
// at multipliers[(j - first) * MultiplierRowLength(b)], zeros past the last
// one, which is also how the update below the panel reads them.
struct Panel {
  int first = 0;
  int end = 0;
  // Rows and columns [end, end + width) are those the pivot rows reach below
  // the panel with their last non-zero entries.
  int width = 0;
  bool dense = false;
  std::vector<PivotStep> steps;
  std::vector<double> multipliers;
  PackedValues values;
};

// The elimination a panel of pivots at a time. Within a panel each pivot is
// applied to the panel's later rows and to F, in order; then all its pivots
// are applied to the rows below, entry by entry in pivot order. While the
// helper updates the far rows below one panel, the calling thread updates the
// rows of the next panel first and eliminates within it.
class BandElimination {
 public:
  BandElimination(Band& K, double* F, const TrailingUpdateKernel& kernel)
      : K_(K),
        F_(F),
        kernel_(kernel),
        n_(K.rows()),
        b_(K.halfBandwidth()),
        chunks_(b_ >= kSharedBandwidth && std::thread::hardware_concurrency() >= 2) {
    // Packed values: a panel reaches at most b_ columns below it.
    const std::size_t packed = static_cast<std::size_t>(kMostPackedPivots) * (b_ + kWidestLanes);
    rowChunks_.reserve(kChunksPerPanel);
    for (Panel& panel : panels_) {
      panel.steps.reserve(kPanelPivots);
      panel.multipliers.resize(static_cast<std::size_t>(kPanelPivots) * MultiplierRowLength());
      panel.values.resize(packed);
    }
    blockValues_.resize(packed);
  }

  void Run() {
    if (n_ < 2) return;
    EliminateWithinPanel(panels_[0], 0);
    for (int p = 0;; ++p) {
      Panel& panel = panels_[p % kPanelBuffers];
      const bool last = panel.end == n_ - 1;
      UpdateBelowPanel(panel, last ? nullptr : &panels_[(p + 1) % kPanelBuffers]);
      if (last) return;
    }
  }

 private:
  // Pivots [first, first + kPanelPivots) applied within the panel, a block at
  // a time: each pivot of a block to the block's later rows, to F and with its
  // progress, then the whole block to the panel's rows below the block. Last,
  // the panel's pivots are packed for the rows below it if they may go densely.
  void EliminateWithinPanel(Panel& panel, int first) {
    panel.first = first;
    panel.end = std::min(first + kPanelPivots, n_ - 1);
    CheckRowsForNegativeZero(std::min(panel.end - 1 + b_, n_));
    panel.steps.clear();
    for (int blockFirst = first; blockFirst < panel.end; blockFirst += kBlockPivots) {
      const int blockEnd = std::min(blockFirst + kBlockPivots, panel.end);
      for (int j = blockFirst; j < blockEnd; ++j) {
        double* multiplier = panel.multipliers.data() + (j - first) * MultiplierRowLength();
        const PivotStep step = MakePivotStep(K_, j, multiplier);
        std::fill(multiplier + (step.end - j), multiplier + MultiplierRowLength(), 0.0);
        ApplyPivot(K_, step, j + 1, blockEnd, zeroProductsVanish_ && step.finite);
        EliminateLoad(F_, step);
        PrintEliminationProgress(j, n_);
        panel.steps.push_back(step);
      }
      ApplyBlockToPanelRows(panel, blockFirst, blockEnd);
    }
    const int count = panel.end - panel.first;
    panel.width = ReachFrom(panel.end, panel.steps.data(), count);
    panel.dense = zeroProductsVanish_ && AllFinite(panel.steps.data(), count);
    if (!panel.dense) return;
    kernel_.pack(panel.steps.data(), panel.end, Packed(panel.values, panel, panel.first, panel.end, panel.width));
  }

  // Pivots [blockFirst, blockEnd) applied to the panel's rows from blockEnd
  // on, every entry receiving them in pivot order.
  void ApplyBlockToPanelRows(const Panel& panel, int blockFirst, int blockEnd) {
    if (blockEnd == panel.end) return;
    const PivotStep* steps = panel.steps.data() + (blockFirst - panel.first);
    const int count = blockEnd - blockFirst;
    if (!zeroProductsVanish_ || !AllFinite(steps, count)) {
      for (int k = 0; k < count; ++k) {
        ApplyPivot(K_, steps[k], blockEnd, panel.end, zeroProductsVanish_ && steps[k].finite);
      }
      return;
    }
    const int width = ReachFrom(blockEnd, steps, count);
    const PackedPanel block = Packed(blockValues_, panel, blockFirst, blockEnd, width);
    kernel_.pack(steps, blockEnd, block);
    kernel_.update(&K_.Diagonal(blockEnd), K_.RowStride(), block, 0, std::min(panel.end - blockEnd, width));
  }

  // Rows the elimination has not reached yet still hold their assembled
  // values; a -0 among them rules out adding zero products from then on.
  void CheckRowsForNegativeZero(int rowEnd) {
    if (rowEnd <= checkedRows_) return;
    const std::size_t count = static_cast<std::size_t>(rowEnd - checkedRows_) * b_;
    if (ContainsNegativeZero(&K_.Diagonal(checkedRows_), count)) {
      zeroProductsVanish_ = false;
    }
    checkedRows_ = rowEnd;
  }

  // Room for the multipliers of one pivot row: the row's b, and as many
  // zeros after them as the panel has pivots. Pivot k of a panel reaches at
  // most b - 1 + kPanelPivots - k columns past the panel's last row.
  std::ptrdiff_t MultiplierRowLength() const { return b_ + kPanelPivots; }

  // Pivots [first, end) of the panel set out for the region of `width` rows
  // and columns from `end`, their values to be packed into `values`. The
  // multiplier of pivot first + k for row end + x lies at (end - first - k) + x
  // in the pivot's multipliers.
  PackedPanel Packed(PackedValues& values, const Panel& panel, int first, int end, int width) const {
    const double* multipliers = panel.multipliers.data() + (first - panel.first) * MultiplierRowLength();
    return {values.data(), multipliers + (end - first), MultiplierRowLength() - 1, end - first, width,
            first + b_ - end};
  }

  // The calling thread first updates the rows of the next panel and
  // eliminates within it; the other rows below go in shared pieces, listed
  // from the top down. The calling thread takes them from the top, the
  // helper from the bottom: as the rows move up by a panel from one panel to
  // the next, a row stays with the helper until it nears the top, then with
  // the calling thread, which is to eliminate with it, so that few rows
  // change caches from panel to panel.
  void UpdateBelowPanel(Panel& panel, Panel* next) {
    const int width = panel.width;
    const int nextRows = next ? std::min({kPanelPivots, n_ - 1 - panel.end, width}) : 0;
    SplitIntoChunks(nextRows, width);
    const SharedChunks::Work work = [&](const IndexRange& rows) { UpdateRegionRows(panel, rows.begin, rows.end); };
    chunks_.Offer(work, rowChunks_);
    UpdateRegionRows(panel, 0, nextRows);
    if (next) EliminateWithinPanel(*next, panel.end);
    chunks_.Finish();
  }

  // Region rows [begin, width) in kChunksPerPanel pieces of about equal work
  // (row x holds width - x entries).
  void SplitIntoChunks(int begin, int width) {
    rowChunks_.clear();
    const double rows = width - begin;
    int previous = begin;
    for (int i = 1; i <= kChunksPerPanel && previous < width; ++i) {
      const double boundary = width - rows * std::sqrt(1.0 - static_cast<double>(i) / kChunksPerPanel);
      const int rounded = begin + static_cast<int>((boundary - begin) / kChunkRows + 0.5) * kChunkRows;
      const int end = i == kChunksPerPanel ? width : std::min(rounded, width);
      if (end > previous) rowChunks_.push_back({previous, end});
      previous = std::max(previous, end);
    }
  }

  void UpdateRegionRows(Panel& panel, int xBegin, int xEnd) {
    if (xBegin >= xEnd) return;
    if (panel.dense) {
      const PackedPanel packed = Packed(panel.values, panel, panel.first, panel.end, panel.width);
      kernel_.update(&K_.Diagonal(panel.end), K_.RowStride(), packed, xBegin, xEnd);
      return;
    }
    for (const PivotStep& step : panel.steps) {
      ApplyPivot(K_, step, panel.end + xBegin, panel.end + xEnd, false);
    }
  }

  Band& K_;
  double* F_;
  const TrailingUpdateKernel& kernel_;
  int n_;
  int b_;
  // Adding a zero product never changes an entry unless some entry is -0;
  // rows [0, checkedRows_) have been searched for one.
  bool zeroProductsVanish_ = true;
  int checkedRows_ = 0;
  Panel panels_[kPanelBuffers];
  PackedValues blockValues_;
  std::vector<IndexRange> rowChunks_;
  SharedChunks chunks_;
};

}  // namespace

void SolveBandedFast(Band& K, double* U, double* F) { SolveBandedFastWith(FastestTrailingUpdateKernel(), K, U, F); }

void SolveBandedFastWith(const TrailingUpdateKernel& kernel, Band& K, double* U, double* F) {
  if (K.rows() <= 0) return;
  BandElimination(K, F, kernel).Run();
  BackSubstitute(K, U, F);
}

}  // namespace solvane

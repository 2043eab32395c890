#include "solve_banded_fast.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <functional>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "solve_banded.h"
#include "solve_banded_fast_kernels.h"

namespace solvane {

namespace {

// Pivots eliminated together: each entry below them is loaded once per panel.
constexpr int kPanelPivots = 32;
// The helper's share of the entries below a panel: where it starts, how far
// it moves towards the two threads finishing together after each panel, and
// the bounds that keep a preempted thread from pushing it to an extreme.
constexpr double kInitialHelperShare = 0.6;
constexpr double kShareGain = 0.02;
constexpr double kLeastHelperShare = 0.4;
constexpr double kMostHelperShare = 0.8;
// Narrower bands leave too little work per panel to share between threads.
constexpr int kSharedBandwidth = 96;

// Two threads meeting after each job. A waiting thread polls, yielding its
// core between polls, instead of sleeping: a job lasts about a millisecond,
// and waking a sleeping thread can take longer than that on a busy machine.
class PairBarrier {
 public:
  void ArriveAndWait() {
    const unsigned phase = phase_.load(std::memory_order_acquire);
    if (arrived_.fetch_add(1, std::memory_order_acq_rel) == 1) {
      arrived_.store(0, std::memory_order_relaxed);
      phase_.store(phase + 1, std::memory_order_release);
      return;
    }
    while (phase_.load(std::memory_order_acquire) == phase) std::this_thread::yield();
  }

 private:
  std::atomic<int> arrived_{0};
  std::atomic<unsigned> phase_{0};
};

// The calling thread and, if asked for, one helper thread run each job side by
// side, each on its own share; Run returns when both are done.
class WorkerPair {
 public:
  // Without a helper (none asked for, or none could be started) the calling
  // thread runs each job alone.
  explicit WorkerPair(bool withHelper) {
    if (!withHelper) return;
    try {
      helper_ = std::thread([this] { HelperLoop(); });
    } catch (const std::system_error&) {
    }
  }

  ~WorkerPair() {
    if (!helper_.joinable()) return;
    job_ = nullptr;
    sync_.ArriveAndWait();
    helper_.join();
  }

  int Workers() const { return helper_.joinable() ? 2 : 1; }

  void Run(const std::function<void(int)>& job) {
    if (!helper_.joinable()) return job(0);
    job_ = &job;
    sync_.ArriveAndWait();
    job(0);
    sync_.ArriveAndWait();
  }

 private:
  void HelperLoop() {
    for (;;) {
      sync_.ArriveAndWait();
      if (job_ == nullptr) return;
      (*job_)(1);
      sync_.ArriveAndWait();
    }
  }

  PairBarrier sync_;
  const std::function<void(int)>* job_ = nullptr;
  std::thread helper_;
};

bool AllFinite(const std::vector<PivotStep>& steps) {
  return std::all_of(steps.begin(), steps.end(), [](const PivotStep& step) { return step.finite; });
}

// A block of pivots [first, end): their steps and, when the rows below them
// may be updated densely, their packed form.
struct Panel {
  int first = 0;
  int end = 0;
  // Rows and columns [end, end + width) are those the pivot rows reach below
  // the panel with their last non-zero entries.
  int width = 0;
  bool dense = false;
  std::vector<PivotStep> steps;
  std::vector<double> stepMultipliers;
  std::vector<double> values;
  std::vector<double> packedMultipliers;
};

// The elimination a panel of pivots at a time. Within a panel each pivot is
// applied to the panel's later rows and to F, in order; then all its pivots
// are applied to the rows below, entry by entry in pivot order. While the
// helper updates the far rows below one panel, the calling thread updates the
// rows of the next panel first and eliminates within it.
class BandElimination {
 public:
  BandElimination(double* band, double* F, int n, int b)
      : band_(band),
        F_(F),
        n_(n),
        b_(b),
        workers_(b >= kSharedBandwidth && std::thread::hardware_concurrency() >= 2) {
    const std::size_t entries = static_cast<std::size_t>(kPanelPivots) * b;
    for (Panel& panel : panels_) {
      panel.steps.reserve(kPanelPivots);
      panel.stepMultipliers.resize(entries);
      panel.values.resize(entries + 4 * kPanelPivots);
      panel.packedMultipliers.resize(entries);
    }
  }

  void Run() {
    if (n_ < 2) return;
    Panel* panel = &panels_[0];
    Panel* next = &panels_[1];
    EliminateWithinPanel(*panel, 0);
    for (;;) {
      const bool last = panel->end == n_ - 1;
      UpdateBelowPanel(*panel, last ? nullptr : next);
      if (last) return;
      std::swap(panel, next);
    }
  }

 private:
  // Pivots [first, first + kPanelPivots) applied within the panel, to F and
  // with their progress, then packed for the rows below if they may go densely.
  void EliminateWithinPanel(Panel& panel, int first) {
    panel.first = first;
    panel.end = std::min(first + kPanelPivots, n_ - 1);
    CheckRowsForNegativeZero(std::min(panel.end - 1 + b_, n_));
    panel.steps.clear();
    for (int j = panel.first; j < panel.end; ++j) {
      double* multiplier = panel.stepMultipliers.data() + static_cast<std::size_t>(j - first) * b_;
      const PivotStep step = MakePivotStep(band_, n_, b_, j, multiplier);
      ApplyPivot(band_, b_, step, j + 1, panel.end, zeroProductsVanish_ && step.finite);
      EliminateLoad(F_, step);
      PrintEliminationProgress(j, n_);
      panel.steps.push_back(step);
    }
    panel.width = 0;
    for (const PivotStep& step : panel.steps) panel.width = std::max(panel.width, step.end - panel.end);
    panel.dense = zeroProductsVanish_ && AllFinite(panel.steps);
    if (!panel.dense) return;
    PackPanel(panel.steps.data(), panel.end, Packed(panel));
  }

  // Rows the elimination has not reached yet still hold their assembled
  // values; a -0 among them rules out adding zero products from then on.
  void CheckRowsForNegativeZero(int rowEnd) {
    if (rowEnd <= checkedRows_) return;
    const std::size_t count = static_cast<std::size_t>(rowEnd - checkedRows_) * b_;
    if (ContainsNegativeZero(band_ + static_cast<std::size_t>(checkedRows_) * b_, count)) {
      zeroProductsVanish_ = false;
    }
    checkedRows_ = rowEnd;
  }

  PackedPanel Packed(Panel& panel) const {
    return {panel.values.data(), panel.packedMultipliers.data(), panel.end - panel.first, panel.width,
            panel.first + b_ - panel.end};
  }

  void UpdateBelowPanel(Panel& panel, Panel* next) {
    const int width = panel.width;
    const int nextRows = next ? std::min({kPanelPivots, n_ - 1 - panel.end, width}) : 0;
    const int split = SplitRow(width, nextRows);
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    Clock::time_point finish[2] = {start, start};
    workers_.Run([&](int worker) {
      if (worker == 1) {
        UpdateRegionRows(panel, split, width);
      } else {
        UpdateRegionRows(panel, 0, nextRows);
        if (next) EliminateWithinPanel(*next, panel.end);
        UpdateRegionRows(panel, nextRows, split);
      }
      finish[worker] = Clock::now();
    });
    if (workers_.Workers() == 1) return;
    const double lead = std::chrono::duration<double>(finish[0] - finish[1]).count();
    const double span = std::chrono::duration<double>(std::max(finish[0], finish[1]) - start).count();
    helperShare_ = std::clamp(helperShare_ + kShareGain * lead / (span + 1e-9), kLeastHelperShare,
                              kMostHelperShare);
  }

  void UpdateRegionRows(Panel& panel, int xBegin, int xEnd) {
    if (xBegin >= xEnd) return;
    if (panel.dense) {
      UpdateTrailingRows(BandRow(band_, b_, panel.end) + panel.end, b_ - 1, Packed(panel), xBegin, xEnd);
      return;
    }
    for (const PivotStep& step : panel.steps) {
      ApplyPivot(band_, b_, step, panel.end + xBegin, panel.end + xEnd, false);
    }
  }

  // First region row of the helper: it takes the last rows, holding about
  // helperShare_ of the region's entries (row x holds width - x), never a row
  // of the next panel, which is being eliminated meanwhile.
  int SplitRow(int width, int nextRows) const {
    if (workers_.Workers() == 1) return width;
    const int split = width - static_cast<int>(width * std::sqrt(helperShare_));
    return std::clamp(split, nextRows, width);
  }

  double* band_;
  double* F_;
  int n_;
  int b_;
  // Adding a zero product never changes an entry unless some entry is -0;
  // rows [0, checkedRows_) have been searched for one.
  bool zeroProductsVanish_ = true;
  int checkedRows_ = 0;
  Panel panels_[2];
  double helperShare_ = kInitialHelperShare;
  WorkerPair workers_;
};

}  // namespace

void SolveBandedFast(double* band, double* U, double* F, int n, int b) {
  if (n <= 0) return;
  BandElimination(band, F, n, b).Run();
  BackSubstitute(band, U, F, n, b);
}

}  // namespace solvane

#include "solve_banded_fast.h"

#include <algorithm>
#include <barrier>
#include <cmath>
#include <functional>
#include <thread>
#include <utility>
#include <vector>

#include "solve_banded.h"
#include "solve_banded_fast_kernels.h"

namespace solvane {

namespace {

// Pivots eliminated together: each entry below them is loaded once per panel.
constexpr int kPanelPivots = 32;
// Narrower bands leave too little work per panel to share between threads.
constexpr int kSharedBandwidth = 96;

// The calling thread and, if asked for, one helper thread run each job side by
// side, each on its own share; Run returns when both are done.
class WorkerPair {
 public:
  explicit WorkerPair(bool withHelper) : sync_(2) {
    if (withHelper) helper_ = std::thread([this] { HelperLoop(); });
  }

  ~WorkerPair() {
    if (!helper_.joinable()) return;
    job_ = nullptr;
    sync_.arrive_and_wait();
    helper_.join();
  }

  int Workers() const { return helper_.joinable() ? 2 : 1; }

  void Run(const std::function<void(int)>& job) {
    if (!helper_.joinable()) return job(0);
    job_ = &job;
    sync_.arrive_and_wait();
    job(0);
    sync_.arrive_and_wait();
  }

 private:
  void HelperLoop() {
    for (;;) {
      sync_.arrive_and_wait();
      if (job_ == nullptr) return;
      (*job_)(1);
      sync_.arrive_and_wait();
    }
  }

  std::barrier<> sync_;
  const std::function<void(int)>* job_ = nullptr;
  std::thread helper_;
};

bool AllFinite(const std::vector<PivotStep>& steps) {
  return std::all_of(steps.begin(), steps.end(), [](const PivotStep& step) { return step.finite; });
}

// The elimination a panel of pivots at a time. Within the panel each pivot is
// applied to the panel's later rows and to F, in order; then all its pivots
// are applied to the rows below, entry by entry in pivot order.
class BandElimination {
 public:
  BandElimination(double* band, double* F, int n, int b)
      : band_(band),
        F_(F),
        n_(n),
        b_(b),
        zeroProductsVanish_(!ContainsNegativeZero(band, static_cast<std::size_t>(n) * b)),
        values_(static_cast<std::size_t>(kPanelPivots) * b),
        multipliers_(values_.size()),
        workers_(b >= kSharedBandwidth && std::thread::hardware_concurrency() >= 2) {}

  void Run() {
    for (int j0 = 0; j0 < n_ - 1; j0 += kPanelPivots) {
      const int j1 = std::min(j0 + kPanelPivots, n_ - 1);
      EliminateWithinPanel(j0, j1);
      UpdateBelowPanel(j0, j1);
    }
  }

 private:
  void EliminateWithinPanel(int j0, int j1) {
    steps_.clear();
    for (int j = j0; j < j1; ++j) {
      const PivotStep step = MakePivotStep(band_, n_, b_, j);
      ApplyPivot(band_, b_, step, j + 1, j1, zeroProductsVanish_ && step.finite);
      EliminateLoad(F_, step);
      PrintEliminationProgress(j, n_);
      steps_.push_back(step);
    }
  }

  // Rows and columns [j1, limit) are those the panel's pivots reach below it.
  void UpdateBelowPanel(int j0, int j1) {
    const int limit = std::min(j1 - 1 + b_, n_);
    const int width = limit - j1;
    if (width <= 0) return;
    const PackedPanel panel{values_.data(), multipliers_.data(), j1 - j0, width, j0 + b_ - j1};
    const bool dense = zeroProductsVanish_ && AllFinite(steps_);
    if (dense) PackPanel(panel, j0, j1);
    workers_.Run([&](int worker) {
      const auto [xBegin, xEnd] = Share(worker, width);
      if (dense) {
        UpdateTrailingRows(BandRow(band_, b_, j1) + j1, b_ - 1, panel, xBegin, xEnd);
        return;
      }
      for (const PivotStep& step : steps_) ApplyPivot(band_, b_, step, j1 + xBegin, j1 + xEnd, false);
    });
  }

  void PackPanel(const PackedPanel& panel, int j0, int j1) {
    for (int j = j0; j < j1; ++j) {
      const double* row = BandRow(band_, b_, j);
      const int columns = std::clamp(std::min(j + b_, n_) - j1, 0, panel.width);
      PackPanelPivot(row + j1, row[j], j - j0, columns, panel);
    }
  }

  // Region rows [0, width) form a triangle, row x holding width - x entries;
  // the first worker takes the longer rows up to half the entries.
  std::pair<int, int> Share(int worker, int width) const {
    if (workers_.Workers() == 1) return {0, width};
    const int split = static_cast<int>(width * (1.0 - std::sqrt(0.5)));
    return worker == 0 ? std::pair{0, split} : std::pair{split, width};
  }

  double* band_;
  double* F_;
  int n_;
  int b_;
  // Adding a zero product never changes an entry unless some entry is -0.
  bool zeroProductsVanish_;
  std::vector<double> values_;
  std::vector<double> multipliers_;
  std::vector<PivotStep> steps_;
  WorkerPair workers_;
};

}  // namespace

void SolveBandedFast(double* band, double* U, double* F, int n, int b) {
  if (n <= 0) return;
  BandElimination(band, F, n, b).Run();
  BackSubstitute(band, U, F, n, b);
}

}  // namespace solvane

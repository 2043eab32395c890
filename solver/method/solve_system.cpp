#include "method/solve_system.h"

#include <charconv>
#include <chrono>
#include <cstdlib>
#include <string_view>

#include "method/collapsed_pivots.h"
#include "console/console.h"
#include "method/solve_banded.h"
#include "fast/solve_banded_fast.h"

namespace solvane {

namespace {

// SOLVANE_LITERAL_SOLVER=1 selects the plain elimination instead of the fast
// path, which gives the same bits, so that the two can be checked against each
// other on real runs. Read once.
bool PlainEliminationSelected() {
  static const bool selected = [] {
    const char* value = std::getenv("SOLVANE_LITERAL_SOLVER");
    return value != nullptr && std::string_view(value) == "1";
  }();
  return selected;
}

std::string FixedTwoDecimals(double value) {
  char buffer[400];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
  return std::string(buffer, result.ptr);
}

}  // namespace

std::string SolutionTimeText(double seconds) {
  if (seconds > 1.0) return "(Solution time:" + FixedTwoDecimals(seconds) + " s)\n";
  return "(Solution time:" + FixedTwoDecimals(seconds * 1000.0) + " ms)\n";
}

bool SolveSystem(AnalysisData& data) {
  const std::vector<double> assembledDiagonal = BandDiagonal(data);
  const auto start = std::chrono::steady_clock::now();
  ConsoleWrite("Solute the equilibrium equations...");
  const auto solve = PlainEliminationSelected() ? SolveBanded : SolveBandedFast;
  solve(data.band.data(), data.displacement.data(), data.load.data(), data.neq, data.halfBandwidth);
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  ConsoleWrite(SolutionTimeText(elapsed.count()));
  const std::vector<int> collapsed = CollapsedPivots(assembledDiagonal, data);
  if (collapsed.empty()) return true;
  ConsoleWrite(CollapsedPivotWarning(collapsed));
  return false;
}

}  // namespace solvane

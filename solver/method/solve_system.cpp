#include "method/solve_system.h"

#include <charconv>
#include <chrono>

#include "console/console.h"
#include "method/collapsed_pivots.h"

namespace solvane {

namespace {

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

bool SolveSystem(AnalysisData& data, Elimination eliminate) {
  const std::vector<double> assembledDiagonal = BandDiagonal(data);
  const auto start = std::chrono::steady_clock::now();
  ConsoleWrite("Solute the equilibrium equations...");
  eliminate(data.band, data.displacement.data(), data.load.data());
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  ConsoleWrite(SolutionTimeText(elapsed.count()));
  const std::vector<int> collapsed = CollapsedPivots(assembledDiagonal, data);
  if (collapsed.empty() && !MovesAsRigidBody(data)) return true;
  ConsoleWrite(SingularSystemWarning(data, collapsed));
  return false;
}

}  // namespace solvane

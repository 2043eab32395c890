#include "method/collapsed_pivots.h"

#include <cmath>

namespace solvane {

namespace {

constexpr double kCollapseRatio = 1e-12;
constexpr std::size_t kNamedDofs = 5;

}  // namespace

std::vector<double> BandDiagonal(const AnalysisData& data) {
  std::vector<double> diagonal(data.neq);
  for (std::size_t r = 0; r < diagonal.size(); ++r) diagonal[r] = data.band[r * data.halfBandwidth];
  return diagonal;
}

std::vector<int> CollapsedPivots(const std::vector<double>& assembledDiagonal,
                                 const AnalysisData& data) {
  std::vector<int> dofs;
  for (std::size_t r = 0; r < assembledDiagonal.size(); ++r) {
    const double pivot = data.band[r * data.halfBandwidth];
    // Written so that a NaN pivot counts as collapsed.
    const bool holds = std::fabs(pivot) > kCollapseRatio * std::fabs(assembledDiagonal[r]) &&
                       std::isfinite(pivot);
    if (!holds) dofs.push_back(static_cast<int>(r));
  }
  return dofs;
}

std::string CollapsedPivotWarning(const std::vector<int>& dofs) {
  std::string text = "警告: 总刚阵奇异(约束不足或结构为机构), 以下自由度的位移无效:\n";
  for (std::size_t i = 0; i < dofs.size() && i < kNamedDofs; ++i) {
    text += "    节点" + std::to_string(dofs[i] / kDofPerNode) + (dofs[i] % 2 == 0 ? " UX\n" : " UY\n");
  }
  if (dofs.size() > kNamedDofs) {
    text += "    另有" + std::to_string(dofs.size() - kNamedDofs) + "个自由度同样无效.\n";
  }
  return text;
}

}  // namespace solvane

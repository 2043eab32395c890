#include "method/collapsed_pivots.h"

#include <cmath>

namespace solvane {

namespace {

constexpr double kCollapseRatio = 1e-12;
constexpr std::size_t kNamedDofs = 5;

bool SomeNodeFixed(const AnalysisData& data, int direction) {
  for (const Constraint& c : data.constraints) {
    if ((direction == kDirectionX ? c.ux : c.uy) == 1) return true;
  }
  return false;
}

std::string RigidBodyWarning(const AnalysisData& data) {
  std::string text = "警告: 总刚阵奇异(约束不足), 计算的位移无效:\n";
  if (!SomeNodeFixed(data, kDirectionX)) {
    text += "    没有任何节点在x方向受约束, 模型可沿x方向作刚体移动; 请至少约束一个节点的UX.\n";
  }
  if (!SomeNodeFixed(data, kDirectionY)) {
    text += "    没有任何节点在y方向受约束, 模型可沿y方向作刚体移动; 请至少约束一个节点的UY.\n";
  }
  return text;
}

}  // namespace

std::vector<double> BandDiagonal(const AnalysisData& data) {
  std::vector<double> diagonal(data.neq);
  for (int r = 0; r < data.neq; ++r) diagonal[r] = data.band.Diagonal(r);
  return diagonal;
}

std::vector<int> CollapsedPivots(const std::vector<double>& assembledDiagonal,
                                 const AnalysisData& data) {
  std::vector<int> dofs;
  for (int r = 0; r < static_cast<int>(assembledDiagonal.size()); ++r) {
    const double pivot = data.band.Diagonal(r);
    // Written so that a NaN pivot counts as collapsed.
    const bool holds = std::fabs(pivot) > kCollapseRatio * std::fabs(assembledDiagonal[r]) &&
                       std::isfinite(pivot);
    if (!holds) dofs.push_back(r);
  }
  return dofs;
}

std::string CollapsedPivotWarning(const std::vector<int>& dofs) {
  std::string text = "警告: 总刚阵奇异(约束不足或结构为机构), 以下自由度的位移无效:\n";
  for (std::size_t i = 0; i < dofs.size() && i < kNamedDofs; ++i) {
    const bool alongX = dofs[i] % kDofPerNode == kDirectionX;
    text += "    节点" + std::to_string(dofs[i] / kDofPerNode) + (alongX ? " UX\n" : " UY\n");
  }
  if (dofs.size() > kNamedDofs) {
    text += "    另有" + std::to_string(dofs.size() - kNamedDofs) + "个自由度同样无效.\n";
  }
  return text;
}

bool MovesAsRigidBody(const AnalysisData& data) {
  return data.NPOIN > 0 &&
         (!SomeNodeFixed(data, kDirectionX) || !SomeNodeFixed(data, kDirectionY));
}

std::string SingularSystemWarning(const AnalysisData& data, const std::vector<int>& collapsed) {
  return MovesAsRigidBody(data) ? RigidBodyWarning(data) : CollapsedPivotWarning(collapsed);
}

}  // namespace solvane

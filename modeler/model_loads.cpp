#include <algorithm>
#include <cmath>
#include <optional>

#include "model.h"

namespace kestrix {

namespace {

// The largest magnitude among the two components that `components` gives for
// each load; 0 for no loads.
template <typename Load, typename Components>
double LargestComponent(const EntityList<Load>& loads, Components components) {
  double largest = 0.0;
  for (const Load& load : loads) {
    const auto [first, second] = components(load);
    largest = std::max({largest, std::fabs(first), std::fabs(second)});
  }
  return largest;
}

// Model length per unit of load that draws the largest load component one
// tenth of the box's larger extent long; none when that component is below
// 1e-10 and would blow the arrows up.
std::optional<double> LoadArrowScale(double largest_component, const BoundingBox& box) {
  if (largest_component < 1e-10) return std::nullopt;
  return 0.1 * std::max((box.xmax - box.xmin) / largest_component,
                        (box.ymax - box.ymin) / largest_component);
}

}  // namespace

void Model::ApplyConstraint(bool UX, bool UY) {
  for (const ModelPoint& node : m_nodes) {
    if (node.selected) m_constraints.Insert({.UX = UX ? 1 : 0, .UY = UY ? 1 : 0, .point = node});
  }
  m_nodes.ClearSelected();
}

void Model::ApplyForce(double Fx, double Fy) {
  for (const ModelPoint& node : m_nodes) {
    if (node.selected) m_forces.Insert({.point = node, .Fx = Fx, .Fy = Fy});
  }
  ComputeForceScale();
  m_nodes.ClearSelected();
}

void Model::ApplyDistributedLoad(double qi, double qj) {
  for (const ElemEdge& edge : m_edges) {
    if (edge.selected)
      m_distributedLoads.Insert({.endI = edge.a, .endJ = edge.b, .qi = qi, .qj = qj});
  }
  ComputeDistributedLoadScale();
  DeselectEdges();
}

void Model::ComputeForceScale() {
  m_VisualScaleofForce = 1.0;
  if (!m_forces.IsEmpty()) {
    const double largest =
        LargestComponent(m_forces, [](const NodalForce& f) { return std::pair(f.Fx, f.Fy); });
    m_VisualScaleofForce = ScaleForLargestLoad(largest, "集中力太小|Fmax|<1e-10!",
                                               "临时给m_VisualScaleofForce赋值为1");
  }
}

void Model::ComputeDistributedLoadScale() {
  m_VisualScaleofDisLoad = 1.0;
  if (!m_distributedLoads.IsEmpty()) {
    const double largest = LargestComponent(
        m_distributedLoads, [](const DistributedLoad& q) { return std::pair(q.qi, q.qj); });
    m_VisualScaleofDisLoad = ScaleForLargestLoad(largest, "分布力强度太小|Fmax|<1e-10!",
                                                 "临时给m_VisualScaleofDisLoad赋值为1");
  }
}

// The arrow scale for the largest load component, from the stored bounding
// box; a vanishing load is reported and falls back to 1.
double Model::ScaleForLargestLoad(double largest, const std::string& too_small,
                                  const std::string& fallback) const {
  if (const std::optional<double> scale = LoadArrowScale(largest, m_boundingBox)) return *scale;
  Warn(too_small);
  Warn(fallback);
  return 1.0;
}

}  // namespace kestrix

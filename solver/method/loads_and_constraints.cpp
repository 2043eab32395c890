#include "method/loads_and_constraints.h"

namespace solvane {

namespace {

constexpr double kFixedDiagonal = 1e20;

void FixDof(AnalysisData& data, std::size_t dof) {
  data.band[dof * data.halfBandwidth] = kFixedDiagonal;
  data.load[dof] = 0.0;
}

}  // namespace

EdgeForces EdgeLoadForces(const DistributedLoad& q) {
  const double dx = q.xi - q.xj;
  const double dy = q.yi - q.yj;
  const double t = q.thickness;
  EdgeForces f;
  f.i = q.i;
  f.j = q.j;
  f.fxi = t / 6 * (dy * (2 * q.qi + q.qj) - dx * (2 * q.ti + q.tj));
  f.fyi = -t / 6 * (dx * (2 * q.qi + q.qj) + dy * (2 * q.ti + q.tj));
  f.fxj = t / 6 * (dy * (q.qi + 2 * q.qj) - dx * (q.ti + 2 * q.tj));
  f.fyj = -t / 6 * (dx * (q.qi + 2 * q.qj) + dy * (q.ti + 2 * q.tj));
  return f;
}

void ApplyLoads(AnalysisData& data) {
  data.displacement.resize(data.neq);
  data.load.assign(data.neq, 0.0);
  for (const NodalForce& force : data.forces) {
    data.load[2 * static_cast<std::size_t>(force.node)] += force.fx;
    data.load[2 * static_cast<std::size_t>(force.node) + 1] += force.fy;
  }
  for (const DistributedLoad& edgeLoad : data.edgeLoads) {
    const EdgeForces f = EdgeLoadForces(edgeLoad);
    data.load[2 * static_cast<std::size_t>(f.i)] += f.fxi;
    data.load[2 * static_cast<std::size_t>(f.i) + 1] += f.fyi;
    data.load[2 * static_cast<std::size_t>(f.j)] += f.fxj;
    data.load[2 * static_cast<std::size_t>(f.j) + 1] += f.fyj;
  }
}

void ApplyConstraints(AnalysisData& data) {
  for (const Constraint& c : data.constraints) {
    const std::size_t r = 2 * static_cast<std::size_t>(c.node);
    if (c.ux == 1) FixDof(data, r);
    if (c.uy == 1) FixDof(data, r + 1);
  }
}

}  // namespace solvane

#include "method/loads_and_constraints.h"

namespace solvane {

namespace {

constexpr double kFixedDiagonal = 1e20;

void FixDof(AnalysisData& data, int dof) {
  data.band.Diagonal(dof) = kFixedDiagonal;
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

std::vector<double> AppliedLoads(const AnalysisData& data) {
  std::vector<double> load(data.neq, 0.0);
  for (const NodalForce& force : data.forces) {
    load[Dof(force.node, kDirectionX)] += force.fx;
    load[Dof(force.node, kDirectionY)] += force.fy;
  }
  for (const DistributedLoad& edgeLoad : data.edgeLoads) {
    const EdgeForces f = EdgeLoadForces(edgeLoad);
    load[Dof(f.i, kDirectionX)] += f.fxi;
    load[Dof(f.i, kDirectionY)] += f.fyi;
    load[Dof(f.j, kDirectionX)] += f.fxj;
    load[Dof(f.j, kDirectionY)] += f.fyj;
  }
  return load;
}

void ApplyLoads(AnalysisData& data) {
  data.displacement.resize(data.neq);
  data.load = AppliedLoads(data);
}

void ApplyConstraints(AnalysisData& data) {
  for (const Constraint& c : data.constraints) {
    if (c.ux == 1) FixDof(data, Dof(c.node, kDirectionX));
    if (c.uy == 1) FixDof(data, Dof(c.node, kDirectionY));
  }
}

}  // namespace solvane

#pragma once
// The one set of run-wide data of Solvane: the model read from the model file,
// the banded global system built from it and the displacements solved for.
// One AnalysisData is owned by RunSolver and handed to every step.

#include <cstddef>
#include <vector>

#include "method/band.h"

namespace solvane {

struct NodeCoord {
  double x;
  double y;
};

// A displacement constraint: a flag equal to 1 fixes that direction, any other
// value leaves it free.
struct Constraint {
  int ux;
  int uy;
  int node;
};

struct NodalForce {
  int node;
  double fx;
  double fy;
};

// A load varying linearly along the straight edge from node i to node j:
// normal intensities qi, qj and tangential intensities ti, tj at the ends.
// The end coordinates and the thickness are copied in when the model is read.
struct DistributedLoad {
  double xi, yi, xj, yj;
  int i, j;
  double qi, qj;
  double ti, tj;
  double thickness;
};

// Stress at one point: normal stresses along x and y, then the shear stress.
struct StressTriple {
  double SX;
  double SY;
  double TXY;
};

inline constexpr int kDofPerNode = 2;
inline constexpr int kNodesPerElement = 4;
inline constexpr int kDofPerElement = kDofPerNode * kNodesPerElement;
inline constexpr int kStressComponents = 3;

// The directions of a node's two degrees of freedom.
inline constexpr int kDirectionX = 0;
inline constexpr int kDirectionY = 1;

// The degree of freedom of node n in direction c: 2n + c, the same number in
// the load vector, the displacement vector and the rows of the band.
inline constexpr int Dof(int node, int direction) { return kDofPerNode * node + direction; }

struct AnalysisData {
  double E = 0.0;
  double Mu = 0.0;
  double Thick = 0.0;

  int NPOIN = 0;
  int NELEM = 0;
  int NRN = 0;
  int NFOR = 0;
  int NPRS = 0;
  int neq = 0;
  int halfBandwidth = 0;

  std::vector<NodeCoord> nodes;             // NPOIN entries
  std::vector<int> connectivity;            // NELEM x 4, entry 4e + k is corner k of element e
  std::vector<Constraint> constraints;      // NRN entries
  std::vector<NodalForce> forces;           // NFOR entries
  std::vector<DistributedLoad> edgeLoads;   // NPRS entries

  Band band;                                // neq rows of halfBandwidth entries
  std::vector<double> load;                 // neq entries, DOF 2n + c
  std::vector<double> displacement;         // neq entries, DOF 2n + c

  int NodeOfCorner(int element, int corner) const {
    return connectivity[static_cast<size_t>(element) * kNodesPerElement + corner];
  }
};

}  // namespace solvane

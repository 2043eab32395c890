#pragma once
// The four-node isoparametric quadrilateral in plane stress: bilinear shape
// functions, the geometry mapping, the strain-displacement and elasticity
// matrices, and the stiffness matrix by 6 x 6 Gauss quadrature. Corner k sits
// at (xi, eta) = (-1,-1), (1,-1), (1,1), (-1,1); element DOF 2k + c is
// direction c of corner k.

#include "method/analysis_data.h"

namespace solvane {

// The quadrature abscissae and weights, rounded as the results are defined
// with them (not the full-precision Gauss-Legendre values).
inline constexpr int kGaussPointCount = 6;
inline constexpr double kGaussPoints[kGaussPointCount] = {
    -0.932469514, -0.661209386, -0.238619186, 0.238619186, 0.661209386, 0.932469514};
inline constexpr double kGaussWeights[kGaussPointCount] = {
    0.1713245, 0.3607616, 0.4679139, 0.4679139, 0.3607616, 0.1713245};

// Natural coordinates of the four corners, in corner order.
inline constexpr double kCornerXi[kNodesPerElement] = {-1.0, 1.0, 1.0, -1.0};
inline constexpr double kCornerEta[kNodesPerElement] = {-1.0, -1.0, 1.0, 1.0};

// Shape function values and their natural derivatives at one point.
struct ShapeValues {
  double N[kNodesPerElement];
  double dN[2][kNodesPerElement];  // row 0 d/dxi, row 1 d/deta
};

// The mapping of one element at one point.
struct PointGeometry {
  double J[2][2];
  double detJ;  // signed: negative for a clockwise element
  double invJ[2][2];
  double dNdx[2][kNodesPerElement];  // row 0 d/dx, row 1 d/dy
};

// B, and D B: strain and stress of each element DOF, one column per DOF.
using BMatrix = double[kStressComponents][kDofPerElement];
using DMatrix = double[kStressComponents][kStressComponents];
using ElementMatrix = double[kDofPerElement][kDofPerElement];

ShapeValues ShapeFunctions(double xi, double eta);

// The coordinates of the four corners of element e, in corner order.
using CornerCoords = NodeCoord[kNodesPerElement];
void GatherCorners(const AnalysisData& data, int e, CornerCoords corners);

// Jacobian, its determinant and inverse, and the Cartesian derivatives of the
// element with the given corners at the point whose natural derivatives are
// given.
PointGeometry ElementGeometry(const CornerCoords corners, const ShapeValues& shape);

// Columns 2k and 2k+1 of B from the Cartesian derivatives of corner k.
void StrainDisplacement(const PointGeometry& geometry, BMatrix B);

// Plane-stress D = E / (1 - Mu^2) * [[1, Mu, 0], [Mu, 1, 0], [0, 0, (1 - Mu) / 2]].
void ElasticityMatrix(double E, double Mu, DMatrix D);

// DB = D B, each entry summed from 0 over the stress components in order.
void StressDisplacement(const DMatrix D, const BMatrix B, BMatrix DB);

// ke = the sum over the 6 x 6 points of B^T D B * |detJ| * thick * wa * wb,
// point after point, for the element with the given corners; D is the same
// for every element and formed once by the caller.
void ElementStiffness(const CornerCoords corners, const DMatrix D, double thick, ElementMatrix ke);

}  // namespace solvane

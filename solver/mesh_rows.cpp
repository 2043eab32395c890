#include "mesh_rows.h"

#include "number_text.h"
#include "stress_recovery.h"

namespace solvane {

std::vector<StressTriple> NodalStresses(const AnalysisData& data) {
  std::vector<StressTriple> nodal(data.NPOIN);
  AverageNodalStresses(data, nodal.data());
  return nodal;
}

std::string CommaJoined(std::initializer_list<double> values) {
  std::string row;
  for (double value : values) {
    if (!row.empty()) row += ',';
    row += FormatReal(value);
  }
  return row;
}

std::string NodeStressRow(const NodeCoord& node, const StressTriple& stress) {
  return CommaJoined({node.x, node.y, stress.SX, stress.SY, stress.TXY,
                      EquivalentStress(stress.SX, stress.SY, stress.TXY)});
}

std::string ConnectivityRow(const AnalysisData& data, int e, int firstNodeNumber) {
  std::string row;
  for (int k = 0; k < kNodesPerElement; ++k) {
    if (k > 0) row += ',';
    row += std::to_string(data.NodeOfCorner(e, k) + firstNodeNumber);
  }
  return row;
}

}  // namespace solvane

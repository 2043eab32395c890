#include "output/mesh_rows.h"

#include "method/stress_recovery.h"
#include "output/number_text.h"

namespace solvane {

void AppendNodeStressRow(std::string& row, const NodeCoord& node, const StressTriple& stress) {
  AppendCommaJoined(row, {node.x, node.y, stress.SX, stress.SY, stress.TXY,
                          EquivalentStress(stress.SX, stress.SY, stress.TXY)});
}

std::string ConnectivityRows(const AnalysisData& data, int firstNodeNumber) {
  std::string rows;
  for (int e = 0; e < data.NELEM; ++e) {
    for (int k = 0; k < kNodesPerElement; ++k) {
      if (k > 0) rows += ',';
      AppendInteger(rows, data.NodeOfCorner(e, k) + firstNodeNumber);
    }
    rows += '\n';
  }
  return rows;
}

}  // namespace solvane

#include "mesh_rows.h"

#include "number_text.h"
#include "stress_recovery.h"

namespace solvane {

void AppendCommaJoined(std::string& row, std::initializer_list<double> values) {
  // The values are written straight into room made for all of them at once,
  // which is then cut back to the text.
  const std::size_t start = row.size();
  row.resize(start + values.size() * (kRealTextRoom + 1));
  char* out = row.data() + start;
  for (const double* value = values.begin(); value != values.end(); ++value) {
    if (value != values.begin()) *out++ = ',';
    out = WriteReal(out, *value);
  }
  row.resize(out - row.data());
}

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

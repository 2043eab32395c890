#include "contour_viewer_file.h"

#include <string>
#include <vector>

#include "console.h"
#include "mesh_rows.h"
#include "result_file.h"

namespace solvane {

bool WriteNodeStressZelContour(const AnalysisData& data, const char* fileName) {
  const std::vector<StressTriple> nodal = NodalStresses(data);
  ResultFile file;
  if (!file.Open(fileName)) return FailAfterWait("节点应力文件(ZelPlotStressContour)输出失败!");
  file.WriteLine("NPOIN=" + std::to_string(data.NPOIN));
  file.WriteLine("NELEM=" + std::to_string(data.NELEM));
  for (int n = 0; n < data.NPOIN; ++n) file.WriteLine(NodeStressRow(data.nodes[n], nodal[n]));
  // The viewer numbers nodes from 0, as the model file does.
  for (int e = 0; e < data.NELEM; ++e) file.WriteLine(ConnectivityRow(data, e, 0));
  return true;
}

}  // namespace solvane

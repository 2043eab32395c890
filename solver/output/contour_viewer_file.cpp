#include "output/contour_viewer_file.h"

#include <string>

#include "console/console.h"
#include "method/stress_recovery.h"
#include "output/mesh_rows.h"
#include "output/number_text.h"
#include "output/result_file.h"

namespace solvane {

namespace {

std::string CountLine(std::string_view key, int count) {
  std::string line(key);
  AppendInteger(line, count);
  return line;
}

}  // namespace

bool WriteNodeStressZelContour(const AnalysisData& data, const std::vector<StressTriple>& nodal,
                               const char* fileName) {
  ResultFile file;
  if (!file.Open(fileName)) return FailAfterWait("节点应力文件(ZelPlotStressContour)输出失败!");
  file.WriteLine(CountLine("NPOIN=", data.NPOIN));
  file.WriteLine(CountLine("NELEM=", data.NELEM));
  for (int n = 0; n < data.NPOIN; ++n) {
    file.WriteWith([&](std::string& text) {
      AppendNodeStressRow(text, data.nodes[n], nodal[n]);
      text += '\n';
    });
  }
  // The viewer numbers nodes from 0, as the model file does.
  file.WriteText(ConnectivityRows(data, 0));
  return CloseOrFail(file);
}

}  // namespace solvane

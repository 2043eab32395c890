#include "output/tecplot_files.h"

#include <string>
#include <string_view>
#include <vector>

#include "console/console.h"
#include "method/stress_recovery.h"
#include "output/deformation_scale.h"
#include "output/mesh_rows.h"
#include "output/number_text.h"
#include "output/pieces_in_order.h"
#include "output/result_file.h"

namespace solvane {

namespace {

constexpr std::string_view kOpenFailure = "节点应力文件输出失败!";
constexpr int kLastFrame = 30;
// Tecplot counts nodes from 1 in its connectivity.
constexpr int kTecplotFirstNode = 1;

constexpr std::string_view kEquivalentStressVariables = "VARIABLES = \"X\", \"Y\", \" Se\"";

// The header of a zone of NPOIN nodes and NELEM quadrilaterals, one row per node.
std::string ZoneLine(std::string_view title, const AnalysisData& data) {
  std::string line = "ZONE T=\"";
  line += title;
  line += "\", DATAPACKING=POINT, NODES=";
  AppendInteger(line, data.NPOIN);
  line += ", ELEMENTS=";
  AppendInteger(line, data.NELEM);
  line += ", ZONETYPE=FEQUADRILATERAL";
  return line;
}

double EquivalentStressOf(const StressTriple& stress) {
  return EquivalentStress(stress.SX, stress.SY, stress.TXY);
}

void AppendEquivalentStressRow(std::string& row, const NodeCoord& node, const StressTriple& stress) {
  AppendCommaJoined(row, {node.x, node.y, EquivalentStressOf(stress)});
}

// A file of one zone over the whole mesh: `variables` names the values that
// `appendNodeRow` gives for each node.
bool WriteStressZoneFile(const AnalysisData& data, const std::vector<StressTriple>& nodal,
                         const char* fileName, std::string_view variables,
                         void (*appendNodeRow)(std::string&, const NodeCoord&, const StressTriple&)) {
  ResultFile file;
  if (!file.Open(fileName)) return FailAfterWait(kOpenFailure);
  file.WriteLine("TITLE = \"Stress\"");
  file.WriteLine(variables);
  file.WriteLine(ZoneLine("P_1", data));
  for (int n = 0; n < data.NPOIN; ++n) {
    file.WriteWith([&](std::string& text) {
      appendNodeRow(text, data.nodes[n], nodal[n]);
      text += '\n';
    });
  }
  file.WriteText(ConnectivityRows(data, kTecplotFirstNode));
  return CloseOrFail(file);
}

// The text of frame f of the animation: the mesh moved by f/30 of its
// magnified displacement, with f/30 of the equivalent stress, without the
// connectivity rows, which are the same in every frame.
void AppendFrameNodes(std::string& text, const AnalysisData& data,
                      const std::vector<double>& equivalent, double scale, int frame) {
  const double r = static_cast<double>(frame) / kLastFrame;
  std::string title = "Frame_";
  AppendInteger(title, frame);
  text += ZoneLine(title, data);
  text += '\n';
  const double factor = scale * r;
  for (int n = 0; n < data.NPOIN; ++n) {
    const NodeCoord moved = DisplacedNode(data, n, factor);
    AppendCommaJoined(text, {moved.x, moved.y, equivalent[n] * r});
    text += '\n';
  }
}

}  // namespace

bool WriteNodeStressTecplot(const AnalysisData& data, const std::vector<StressTriple>& nodal,
                            const char* fileName) {
  return WriteStressZoneFile(data, nodal, fileName,
                             "VARIABLES = \"X\", \"Y\", \" SX\", \" SY\", \" TXY\", \" SE\"",
                             AppendNodeStressRow);
}

bool WriteEquivalentNodeStressTecplot(const AnalysisData& data,
                                      const std::vector<StressTriple>& nodal, const char* fileName) {
  return WriteStressZoneFile(data, nodal, fileName, kEquivalentStressVariables,
                             AppendEquivalentStressRow);
}

bool WriteAnimateEquivalentNodeStressTecplot(const AnalysisData& data,
                                             const std::vector<StressTriple>& nodal,
                                             const char* fileName) {
  const double scale = DeformationScale(data);
  std::vector<double> equivalent(data.NPOIN);
  for (int n = 0; n < data.NPOIN; ++n) equivalent[n] = EquivalentStressOf(nodal[n]);
  ResultFile file;
  std::string connectivity;
  // The frames' numbers are formatted on two threads; the file gets them in
  // order on this one. The helper starts on the first frames while this
  // thread opens the file (which may first drop an earlier run's text) and
  // forms the connectivity rows.
  const bool opened = BuildPiecesInOrder(
      kLastFrame + 1,
      [&](int frame, std::string& text) { AppendFrameNodes(text, data, equivalent, scale, frame); },
      [&] {
        if (!file.Open(fileName)) return false;
        connectivity = ConnectivityRows(data, kTecplotFirstNode);
        file.WriteLine("TITLE = \"Stress_Animate\"");
        file.WriteLine(kEquivalentStressVariables);
        return true;
      },
      [&](const std::string& frameNodes) {
        file.WriteText(frameNodes);
        file.WriteText(connectivity);
      });
  if (!opened) return FailAfterWait(kOpenFailure);
  return CloseOrFail(file);
}

}  // namespace solvane

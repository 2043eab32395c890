#include "tecplot_files.h"

#include <string>
#include <string_view>
#include <vector>

#include "console.h"
#include "deformation_scale.h"
#include "mesh_rows.h"
#include "result_file.h"
#include "stress_recovery.h"

namespace solvane {

namespace {

constexpr std::string_view kOpenFailure = "节点应力文件输出失败!";
constexpr int kLastFrame = 30;
// Tecplot counts nodes from 1 in its connectivity.
constexpr int kTecplotFirstNode = 1;

constexpr std::string_view kEquivalentStressVariables = "VARIABLES = \"X\", \"Y\", \" Se\"";

// The header of a zone of NPOIN nodes and NELEM quadrilaterals, one row per node.
std::string ZoneLine(const std::string& title, const AnalysisData& data) {
  return "ZONE T=\"" + title + "\", DATAPACKING=POINT, NODES=" + std::to_string(data.NPOIN) +
         ", ELEMENTS=" + std::to_string(data.NELEM) + ", ZONETYPE=FEQUADRILATERAL";
}

void WriteConnectivityRows(ResultFile& file, const AnalysisData& data) {
  for (int e = 0; e < data.NELEM; ++e) file.WriteLine(ConnectivityRow(data, e, kTecplotFirstNode));
}

double EquivalentStressOf(const StressTriple& stress) {
  return EquivalentStress(stress.SX, stress.SY, stress.TXY);
}

std::string EquivalentStressRow(const NodeCoord& node, const StressTriple& stress) {
  return CommaJoined({node.x, node.y, EquivalentStressOf(stress)});
}

// A file of one zone over the whole mesh: `variables` names the values that
// `nodeRow` gives for each node.
bool WriteStressZoneFile(const AnalysisData& data, const char* fileName,
                         std::string_view variables,
                         std::string (*nodeRow)(const NodeCoord&, const StressTriple&)) {
  const std::vector<StressTriple> nodal = NodalStresses(data);
  ResultFile file;
  if (!file.Open(fileName)) return FailAfterWait(kOpenFailure);
  file.WriteLine("TITLE = \"Stress\"");
  file.WriteLine(variables);
  file.WriteLine(ZoneLine("P_1", data));
  for (int n = 0; n < data.NPOIN; ++n) file.WriteLine(nodeRow(data.nodes[n], nodal[n]));
  WriteConnectivityRows(file, data);
  return true;
}

// Frame f of the animation: the mesh moved by f/30 of its magnified
// displacement, with f/30 of the equivalent stress.
void WriteFrame(ResultFile& file, const AnalysisData& data, const std::vector<StressTriple>& nodal,
                double scale, int frame) {
  const double r = static_cast<double>(frame) / kLastFrame;
  file.WriteLine(ZoneLine("Frame_" + std::to_string(frame), data));
  for (int n = 0; n < data.NPOIN; ++n) {
    const NodeCoord moved = DisplacedNode(data, n, scale * r);
    file.WriteLine(CommaJoined({moved.x, moved.y, EquivalentStressOf(nodal[n]) * r}));
  }
  WriteConnectivityRows(file, data);
}

}  // namespace

bool WriteNodeStressTecplot(const AnalysisData& data, const char* fileName) {
  return WriteStressZoneFile(data, fileName,
                             "VARIABLES = \"X\", \"Y\", \" SX\", \" SY\", \" TXY\", \" SE\"",
                             NodeStressRow);
}

bool WriteEquivalentNodeStressTecplot(const AnalysisData& data, const char* fileName) {
  return WriteStressZoneFile(data, fileName, kEquivalentStressVariables, EquivalentStressRow);
}

bool WriteAnimateEquivalentNodeStressTecplot(const AnalysisData& data, const char* fileName) {
  const std::vector<StressTriple> nodal = NodalStresses(data);
  const double scale = DeformationScale(data);
  ResultFile file;
  if (!file.Open(fileName)) return FailAfterWait(kOpenFailure);
  file.WriteLine("TITLE = \"Stress_Animate\"");
  file.WriteLine(kEquivalentStressVariables);
  for (int frame = 0; frame <= kLastFrame; ++frame) WriteFrame(file, data, nodal, scale, frame);
  return true;
}

}  // namespace solvane

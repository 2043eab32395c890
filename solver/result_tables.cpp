#include "result_tables.h"

#include <string>
#include <vector>

#include "console.h"
#include "number_text.h"
#include "result_file.h"
#include "stress_recovery.h"

namespace solvane {

namespace {

constexpr int kNumberWidth = 14;
constexpr int kValueWidth = 15;

// A row's leading "node:" field.
std::string NodeField(int node) {
  std::string line;
  AppendRightAligned(line, node, kNumberWidth);
  line += ':';
  return line;
}

std::string HeaderLine(std::initializer_list<std::string_view> titles) {
  std::string line;
  for (std::string_view title : titles) AppendRightAligned(line, title, kValueWidth);
  return line;
}

}  // namespace

bool WriteNodeDis(const AnalysisData& data, const char* fileName) {
  ResultFile file;
  if (!file.Open(fileName)) return FailAfterWait("节点位移文件输出失败!");
  file.WriteLine(HeaderLine({"Node", "dx", "dy"}));
  for (int n = 0; n < data.NPOIN; ++n) {
    std::string line = NodeField(n);
    AppendRightAligned(line, data.displacement[2 * static_cast<std::size_t>(n)], kValueWidth);
    AppendRightAligned(line, data.displacement[2 * static_cast<std::size_t>(n) + 1], kValueWidth);
    file.WriteLine(line);
  }
  return true;
}

bool WriteNodeStress(const AnalysisData& data, const char* fileName) {
  std::vector<StressTriple> nodal(data.NPOIN);
  AverageNodalStresses(data, nodal.data());
  ResultFile file;
  if (!file.Open(fileName)) return FailAfterWait("节点应力文件输出失败!");
  file.WriteLine(HeaderLine({"Node", "SX", "SY", "TXY", "SE"}));
  for (int n = 0; n < data.NPOIN; ++n) {
    const StressTriple& s = nodal[n];
    std::string line = NodeField(n);
    for (double value : {s.SX, s.SY, s.TXY, EquivalentStress(s.SX, s.SY, s.TXY)}) {
      AppendRightAligned(line, value, kValueWidth);
    }
    file.WriteLine(line);
  }
  return true;
}

bool WriteElementStress(const AnalysisData& data, const char* fileName) {
  StressTriple corners[kNodesPerElement];
  ResultFile file;
  if (!file.Open(fileName)) return FailAfterWait("节点应力文件输出失败!");
  std::string columnHeader;
  AppendRightAligned(columnHeader, "SX", 2 * kValueWidth);
  AppendRightAligned(columnHeader, "SY", kValueWidth);
  AppendRightAligned(columnHeader, "TXY", kValueWidth);
  for (int e = 0; e < data.NELEM; ++e) {
    file.WriteLine("Element " + std::to_string(e));
    file.WriteLine(columnHeader);
    ElementCornerStresses(data, e, corners);
    for (int k = 0; k < kNodesPerElement; ++k) {
      std::string line = NodeField(data.NodeOfCorner(e, k));
      for (double value : {corners[k].SX, corners[k].SY, corners[k].TXY}) {
        AppendRightAligned(line, value, kValueWidth);
      }
      file.WriteLine(line);
    }
  }
  return true;
}

}  // namespace solvane

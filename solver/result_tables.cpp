#include "result_tables.h"

#include <initializer_list>
#include <string>
#include <string_view>

#include "console.h"
#include "number_text.h"
#include "result_file.h"
#include "stress_recovery.h"

namespace solvane {

namespace {

constexpr int kNumberWidth = 14;
constexpr int kValueWidth = 15;

// Starts a row with its "node:" field, then the values right-aligned.
void SetRow(std::string& line, int node, std::initializer_list<double> values) {
  line.clear();
  AppendRightAligned(line, node, kNumberWidth);
  line += ':';
  for (double value : values) AppendRightAligned(line, value, kValueWidth);
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
  std::string line;
  for (int n = 0; n < data.NPOIN; ++n) {
    SetRow(line, n,
           {data.displacement[2 * static_cast<std::size_t>(n)],
            data.displacement[2 * static_cast<std::size_t>(n) + 1]});
    file.WriteLine(line);
  }
  return true;
}

bool WriteNodeStress(const AnalysisData& data, const std::vector<StressTriple>& nodal,
                     const char* fileName) {
  ResultFile file;
  if (!file.Open(fileName)) return FailAfterWait("节点应力文件输出失败!");
  file.WriteLine(HeaderLine({"Node", "SX", "SY", "TXY", "SE"}));
  std::string line;
  for (int n = 0; n < data.NPOIN; ++n) {
    const StressTriple& s = nodal[n];
    SetRow(line, n, {s.SX, s.SY, s.TXY, EquivalentStress(s.SX, s.SY, s.TXY)});
    file.WriteLine(line);
  }
  return true;
}

bool WriteNodeStress(const AnalysisData& data, const char* fileName) {
  return WriteNodeStress(data, NodalStresses(data), fileName);
}

bool WriteElementStress(const AnalysisData& data, const char* fileName) {
  StressTriple corners[kNodesPerElement];
  ResultFile file;
  if (!file.Open(fileName)) return FailAfterWait("节点应力文件输出失败!");
  std::string columnHeader;
  AppendRightAligned(columnHeader, "SX", 2 * kValueWidth);
  AppendRightAligned(columnHeader, "SY", kValueWidth);
  AppendRightAligned(columnHeader, "TXY", kValueWidth);
  std::string line;
  for (int e = 0; e < data.NELEM; ++e) {
    line = "Element ";
    AppendInteger(line, e);
    file.WriteLine(line);
    file.WriteLine(columnHeader);
    ElementCornerStresses(data, e, corners);
    for (int k = 0; k < kNodesPerElement; ++k) {
      SetRow(line, data.NodeOfCorner(e, k), {corners[k].SX, corners[k].SY, corners[k].TXY});
      file.WriteLine(line);
    }
  }
  return true;
}

}  // namespace solvane

#include "model_file_reader.h"

#include <algorithm>
#include <climits>
#include <fstream>
#include <iterator>
#include <string>

#include "console.h"
#include "scanf_style_reader.h"

namespace solvane {

namespace {

using Outcome = ScanfStyleReader::Outcome;

// Reads the records one pattern at a time and keeps the first fault as a
// message naming the record and the line where reading stopped.
class RecordReader {
 public:
  explicit RecordReader(std::string text) : scanner_(std::move(text)) {}

  bool Read(const char* record, std::string_view pattern,
            std::initializer_list<ScanfStyleReader::Target> targets) {
    const Outcome outcome = scanner_.Scan(pattern, targets);
    if (outcome == Outcome::kMatched) return true;
    if (outcome == Outcome::kEndOfText) {
      return Fail("文件在第" + std::to_string(scanner_.Line()) + "行提前结束, 缺少" + record + "记录!");
    }
    return Fail(AtLine() + record + "记录无法读取!");
  }

  // A count line; the count must be non-negative and small enough for the
  // rest of the file to hold that many records of at least one character.
  bool ReadCount(const char* key, std::string_view pattern, int& count) {
    const int line = scanner_.Line();
    if (!Read(key, pattern, {&count})) return false;
    const std::size_t limit = std::min<std::size_t>(scanner_.Remaining(), INT_MAX / 2);
    if (count >= 0 && static_cast<std::size_t>(count) <= limit) return true;
    return Fail("第" + std::to_string(line) + "行, " + key + "数目" + std::to_string(count) + "无效!");
  }

  bool CheckNode(const char* record, int line, int node, int nodeCount) {
    if (node >= 0 && node < nodeCount) return true;
    return Fail("第" + std::to_string(line) + "行, " + record + "记录中的节点号" +
                std::to_string(node) + "不存在(节点总数" + std::to_string(nodeCount) + ")!");
  }

  int Line() const { return scanner_.Line(); }
  const std::string& Error() const { return error_; }

 private:
  std::string AtLine() const { return "第" + std::to_string(scanner_.Line()) + "行, "; }

  bool Fail(const std::string& message) {
    error_ = "前处理文本文件格式错误: " + message;
    return false;
  }

  ScanfStyleReader scanner_;
  std::string error_;
};

bool ReadMaterialAndNodes(RecordReader& in, AnalysisData& data) {
  if (!in.Read("E=", "E=%lf\n", {&data.E}) || !in.Read("Mu=", "Mu=%lf\n", {&data.Mu}) ||
      !in.Read("Thick=", "Thick=%lf\n", {&data.Thick}) ||
      !in.ReadCount("NPOIN=", "NPOIN=%d\n", data.NPOIN)) {
    return false;
  }
  data.nodes.resize(data.NPOIN);
  for (NodeCoord& node : data.nodes) {
    if (!in.Read("节点坐标(NPOIN)", "%lf,%lf\n", {&node.x, &node.y})) return false;
  }
  return true;
}

bool ReadElements(RecordReader& in, AnalysisData& data) {
  if (!in.ReadCount("NELEM=", "NELEM=%d\n", data.NELEM)) return false;
  data.connectivity.resize(static_cast<std::size_t>(data.NELEM) * kNodesPerElement);
  for (int e = 0; e < data.NELEM; ++e) {
    int* corner = &data.connectivity[static_cast<std::size_t>(e) * kNodesPerElement];
    const int line = in.Line();
    if (!in.Read("单元(NELEM)", "%d,%d,%d,%d\n", {corner, corner + 1, corner + 2, corner + 3})) {
      return false;
    }
    for (int k = 0; k < kNodesPerElement; ++k) {
      if (!in.CheckNode("单元(NELEM)", line, corner[k], data.NPOIN)) return false;
    }
  }
  return true;
}

bool ReadConstraints(RecordReader& in, AnalysisData& data) {
  if (!in.ReadCount("NRN=", "NRN=%d\n", data.NRN)) return false;
  data.constraints.resize(data.NRN);
  for (Constraint& c : data.constraints) {
    const int line = in.Line();
    if (!in.Read("约束(NRN)", "%d:%d%d\n", {&c.node, &c.ux, &c.uy}) ||
        !in.CheckNode("约束(NRN)", line, c.node, data.NPOIN)) {
      return false;
    }
  }
  return true;
}

bool ReadNodalForces(RecordReader& in, AnalysisData& data) {
  if (!in.ReadCount("NFOR=", "NFOR=%d\n", data.NFOR)) return false;
  data.forces.resize(data.NFOR);
  for (NodalForce& f : data.forces) {
    const int line = in.Line();
    if (!in.Read("集中力(NFOR)", "%d<%lf,%lf>\n", {&f.node, &f.fx, &f.fy}) ||
        !in.CheckNode("集中力(NFOR)", line, f.node, data.NPOIN)) {
      return false;
    }
  }
  return true;
}

// Each edge load also gets the coordinates of its end nodes and the thickness.
bool ReadDistributedLoads(RecordReader& in, AnalysisData& data) {
  if (!in.ReadCount("NPRS=", "NPRS=%d\n", data.NPRS)) return false;
  data.edgeLoads.resize(data.NPRS);
  for (DistributedLoad& q : data.edgeLoads) {
    const int line = in.Line();
    if (!in.Read("分布荷载(NPRS)", "%d(%lf,%lf),%d(%lf,%lf)\n",
                 {&q.i, &q.qi, &q.ti, &q.j, &q.qj, &q.tj}) ||
        !in.CheckNode("分布荷载(NPRS)", line, q.i, data.NPOIN) ||
        !in.CheckNode("分布荷载(NPRS)", line, q.j, data.NPOIN)) {
      return false;
    }
    q.xi = data.nodes[q.i].x;
    q.yi = data.nodes[q.i].y;
    q.xj = data.nodes[q.j].x;
    q.yj = data.nodes[q.j].y;
    q.thickness = data.Thick;
  }
  return true;
}

}  // namespace

bool ReadModelFile(const char* fileName, AnalysisData& data) {
  std::ifstream file(fileName, std::ios::binary);
  if (!file) {
    ConsoleWrite("前处理文本文件读取错误!\n");
    return false;
  }
  RecordReader in(std::string(std::istreambuf_iterator<char>(file), {}));
  const bool read = ReadMaterialAndNodes(in, data) && ReadElements(in, data) &&
                    ReadConstraints(in, data) && ReadNodalForces(in, data) &&
                    ReadDistributedLoads(in, data);
  if (!read) ConsoleWrite(in.Error() + "\n");
  return read;
}

}  // namespace solvane

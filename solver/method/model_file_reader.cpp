#include "method/model_file_reader.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "console/console.h"
#include "method/scanf_style_reader.h"

namespace solvane {

namespace {

using Outcome = ScanfStyleReader::Outcome;

// Reads the records one pattern at a time and keeps the first fault as a
// message naming the record and the line where reading stopped.
class RecordReader {
 public:
  explicit RecordReader(std::string text) : scanner_(std::move(text)) {}

  bool Read(const std::string& record, std::string_view pattern,
            std::initializer_list<ScanfStyleReader::Target> targets) {
    const Outcome outcome = scanner_.Scan(pattern, targets);
    if (outcome == Outcome::kMatched) return true;
    if (outcome == Outcome::kEndOfText) {
      return Fail("文件在第" + std::to_string(scanner_.Line()) + "行提前结束, 缺少" + record + "记录!");
    }
    return Fail(AtLine(scanner_.Line()) + record + "记录无法读取!");
  }

  // A count line "<key><count>"; the count must be non-negative and small
  // enough for the rest of the file to hold that many records of at least one
  // character.
  bool ReadCount(const std::string& key, int& count) {
    const int line = scanner_.Line();
    if (!Read(key, key + "%d\n", {&count})) return false;
    const std::size_t limit = std::min<std::size_t>(scanner_.Remaining(), INT_MAX / 2);
    if (count >= 0 && static_cast<std::size_t>(count) <= limit) return true;
    return Fail(AtLine(line) + key + "数目" + std::to_string(count) + "无效!");
  }

  // Every node reference of a record must name an existing node.
  bool CheckNodes(const char* record, int line, std::initializer_list<int> nodes, int nodeCount) {
    for (int node : nodes) {
      if (node < 0 || node >= nodeCount) {
        return Fail(AtLine(line) + record + "记录中的节点号" +
                    std::to_string(node) + "不存在(节点总数" + std::to_string(nodeCount) + ")!");
      }
    }
    return true;
  }

  // After the last edge load only the end of the file or the geometry
  // section, which opens with its count line "NGPT=", may follow: a load
  // line beyond the count, say, is not silently dropped.
  bool ReadEndOfAnalysisSection() {
    if (scanner_.AtEnd()) return true;
    const int line = scanner_.Line();
    int pointCount = 0;
    const Outcome outcome = scanner_.Scan("NGPT=%d", {&pointCount});
    if (outcome == Outcome::kMatched && pointCount >= 0) return true;
    return Fail(AtLine(line) + "分布荷载(NPRS)记录之后只能是NGPT=记录或文件结束!");
  }

  int Line() const { return scanner_.Line(); }
  const std::string& Error() const { return error_; }

 private:
  static std::string AtLine(int line) { return "第" + std::to_string(line) + "行, "; }

  bool Fail(const std::string& message) {
    error_ = "前处理文本文件格式错误: " + message;
    return false;
  }

  ScanfStyleReader scanner_;
  std::string error_;
};

// A count line `key`, then that many records of `perRecord` entries each,
// read by `readRecord(first entry, line of the record)`. The entries grow as
// records are read, so that a count that the file does not hold costs no
// more memory than the records it does hold.
template <typename Entry, typename ReadRecord>
bool ReadBlock(RecordReader& in, const char* key, int& count, std::vector<Entry>& entries,
               std::size_t perRecord, ReadRecord readRecord) {
  if (!in.ReadCount(key, count)) return false;
  entries.clear();
  for (int r = 0; r < count; ++r) {
    entries.resize(entries.size() + perRecord);
    if (!readRecord(&entries[entries.size() - perRecord], in.Line())) return false;
  }
  return true;
}

bool ReadMaterial(RecordReader& in, AnalysisData& data) {
  return in.Read("E=", "E=%lf\n", {&data.E}) && in.Read("Mu=", "Mu=%lf\n", {&data.Mu}) &&
         in.Read("Thick=", "Thick=%lf\n", {&data.Thick});
}

bool ReadNodes(RecordReader& in, AnalysisData& data) {
  return ReadBlock(in, "NPOIN=", data.NPOIN, data.nodes, 1, [&](NodeCoord* node, int) {
    return in.Read("节点坐标(NPOIN)", "%lf,%lf\n", {&node->x, &node->y});
  });
}

bool ReadElements(RecordReader& in, AnalysisData& data) {
  const char* record = "单元(NELEM)";
  return ReadBlock(in, "NELEM=", data.NELEM, data.connectivity, kNodesPerElement,
                   [&](int* k, int line) {
                     return in.Read(record, "%d,%d,%d,%d\n", {k, k + 1, k + 2, k + 3}) &&
                            in.CheckNodes(record, line, {k[0], k[1], k[2], k[3]}, data.NPOIN);
                   });
}

bool ReadConstraints(RecordReader& in, AnalysisData& data) {
  const char* record = "约束(NRN)";
  return ReadBlock(in, "NRN=", data.NRN, data.constraints, 1, [&](Constraint* c, int line) {
    return in.Read(record, "%d:%d%d\n", {&c->node, &c->ux, &c->uy}) &&
           in.CheckNodes(record, line, {c->node}, data.NPOIN);
  });
}

bool ReadNodalForces(RecordReader& in, AnalysisData& data) {
  const char* record = "集中力(NFOR)";
  return ReadBlock(in, "NFOR=", data.NFOR, data.forces, 1, [&](NodalForce* f, int line) {
    return in.Read(record, "%d<%lf,%lf>\n", {&f->node, &f->fx, &f->fy}) &&
           in.CheckNodes(record, line, {f->node}, data.NPOIN);
  });
}

// Each edge load also gets the coordinates of its end nodes and the thickness.
bool ReadDistributedLoads(RecordReader& in, AnalysisData& data) {
  const char* record = "分布荷载(NPRS)";
  return ReadBlock(in, "NPRS=", data.NPRS, data.edgeLoads, 1, [&](DistributedLoad* q, int line) {
    if (!in.Read(record, "%d(%lf,%lf),%d(%lf,%lf)\n", {&q->i, &q->qi, &q->ti, &q->j, &q->qj, &q->tj}) ||
        !in.CheckNodes(record, line, {q->i, q->j}, data.NPOIN)) {
      return false;
    }
    q->xi = data.nodes[q->i].x;
    q->yi = data.nodes[q->i].y;
    q->xj = data.nodes[q->j].x;
    q->yj = data.nodes[q->j].y;
    q->thickness = data.Thick;
    return true;
  });
}

// The whole file, or nothing when it cannot be opened or read (a directory of
// that name, say).
std::optional<std::string> ReadWholeFile(const char* fileName) {
  std::FILE* file = std::fopen(fileName, "rb");
  if (file == nullptr) return std::nullopt;
  std::string text;
  char buffer[1 << 16];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, got);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return std::nullopt;
  return text;
}

}  // namespace

bool ReadModelFile(const char* fileName, AnalysisData& data) {
  std::optional<std::string> text = ReadWholeFile(fileName);
  if (!text) {
    ConsoleWrite("前处理文本文件读取错误!\n");
    return false;
  }
  RecordReader in(std::move(*text));
  const bool read = ReadMaterial(in, data) && ReadNodes(in, data) && ReadElements(in, data) &&
                    ReadConstraints(in, data) && ReadNodalForces(in, data) &&
                    ReadDistributedLoads(in, data) && in.ReadEndOfAnalysisSection();
  if (!read) ConsoleWrite(in.Error() + "\n");
  return read;
}

}  // namespace solvane

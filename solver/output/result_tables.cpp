#include "output/result_tables.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>

#include "console/console.h"
#include "method/stress_recovery.h"
#include "output/number_text.h"
#include "output/result_file.h"

namespace solvane {

namespace {

constexpr int kNumberWidth = 14;
constexpr int kValueWidth = 15;

// A field holds the text of a number right-aligned: the number is written
// after a run of spaces and the field takes the last characters. No number
// is wider than its field (a real takes at most 13 characters, an int 11).
constexpr int kLeadingSpaces = 16;
static_assert(kNumberWidth <= kLeadingSpaces && kValueWidth <= kLeadingSpaces);

char* WriteNumber(char* out, double value) { return WriteReal(out, value); }
char* WriteNumber(char* out, int value) { return std::to_chars(out, out + kRealTextRoom, value).ptr; }

template <int kWidth, typename Number>
char* WriteField(char* out, Number value) {
  char text[kLeadingSpaces + kRealTextRoom];
  std::memset(text, ' ', kLeadingSpaces);
  const char* end = WriteNumber(text + kLeadingSpaces, value);
  std::memcpy(out, end - kWidth, kWidth);
  return out + kWidth;
}

// Appends a row: its "node:" field, then the values right-aligned, built in a
// local buffer and appended in one piece.
template <std::size_t kCount>
void AppendTableRow(std::string& text, int node, const double (&values)[kCount]) {
  char row[kNumberWidth + 1 + kCount * kValueWidth + 1];
  char* out = WriteField<kNumberWidth>(row, node);
  *out++ = ':';
  for (double value : values) out = WriteField<kValueWidth>(out, value);
  *out++ = '\n';
  text.append(row, out);
}

// The totals under the reaction columns. The label is one column wider than
// a row's "node:" field, so RX takes one column less and stays aligned.
void AppendSumRow(std::string& text, double rx, double ry) {
  constexpr std::string_view kLabel = "            Sum:";
  static_assert(kLabel.size() == kNumberWidth + 2);
  char row[kLabel.size() + 2 * kValueWidth + 1];
  char* out = std::copy(kLabel.begin(), kLabel.end(), row);
  out = WriteField<kValueWidth - 1>(out, rx);
  out = WriteField<kValueWidth>(out, ry);
  *out++ = '\n';
  text.append(row, out);
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
    file.WriteWith([&](std::string& text) {
      AppendTableRow(text, n,
                     {data.displacement[Dof(n, kDirectionX)], data.displacement[Dof(n, kDirectionY)]});
    });
  }
  return CloseOrFail(file);
}

bool WriteNodeStress(const AnalysisData& data, const std::vector<StressTriple>& nodal,
                     const char* fileName) {
  ResultFile file;
  if (!file.Open(fileName)) return FailAfterWait("节点应力文件输出失败!");
  file.WriteLine(HeaderLine({"Node", "SX", "SY", "TXY", "SE"}));
  for (int n = 0; n < data.NPOIN; ++n) {
    file.WriteWith([&](std::string& text) {
      const StressTriple& s = nodal[n];
      AppendTableRow(text, n, {s.SX, s.SY, s.TXY, EquivalentStress(s.SX, s.SY, s.TXY)});
    });
  }
  return CloseOrFail(file);
}

bool WriteElementStress(const AnalysisData& data, const std::vector<StressTriple>& corners,
                        const char* fileName) {
  ResultFile file;
  if (!file.Open(fileName)) return FailAfterWait("节点应力文件输出失败!");
  std::string columnHeader;
  AppendRightAligned(columnHeader, "SX", 2 * kValueWidth);
  AppendRightAligned(columnHeader, "SY", kValueWidth);
  AppendRightAligned(columnHeader, "TXY", kValueWidth);
  columnHeader += '\n';
  for (int e = 0; e < data.NELEM; ++e) {
    file.WriteWith([&](std::string& text) {
      text += "Element ";
      AppendInteger(text, e);
      text += '\n';
      text += columnHeader;
      for (int k = 0; k < kNodesPerElement; ++k) {
        const StressTriple& corner = corners[static_cast<std::size_t>(e) * kNodesPerElement + k];
        AppendTableRow(text, data.NodeOfCorner(e, k), {corner.SX, corner.SY, corner.TXY});
      }
    });
  }
  return CloseOrFail(file);
}

bool WriteNodeReaction(const std::vector<NodeReaction>& reactions, const char* fileName) {
  ResultFile file;
  if (!file.Open(fileName)) return FailAfterWait("节点反力文件输出失败!");
  file.WriteLine(HeaderLine({"Node", "RX", "RY"}));
  double sumX = 0.0;
  double sumY = 0.0;
  for (const NodeReaction& r : reactions) {
    file.WriteWith([&](std::string& text) { AppendTableRow(text, r.node, {r.rx, r.ry}); });
    sumX += r.rx;
    sumY += r.ry;
  }
  file.WriteWith([&](std::string& text) { AppendSumRow(text, sumX, sumY); });
  return CloseOrFail(file);
}

}  // namespace solvane

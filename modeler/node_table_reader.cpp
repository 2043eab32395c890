#include "node_table_reader.h"

#include <algorithm>
#include <cmath>

#include "text_scanner.h"

namespace kestrix {
namespace {

// The lines of a text one after another, counted; a line ends with "\n",
// "\r\n" or a lone "\r".
class Lines {
 public:
  explicit Lines(std::string_view text) : m_text(text) {}

  bool AtEnd() const { return m_position >= m_text.size(); }
  int number() const { return m_number; }

  std::string_view Next() {
    ++m_number;
    const std::size_t end = std::min(m_text.find_first_of("\r\n", m_position), m_text.size());
    const std::string_view line = m_text.substr(m_position, end - m_position);
    m_position = end;
    m_lastHadBreak = m_position < m_text.size();
    if (m_position < m_text.size() && m_text[m_position] == '\r') ++m_position;
    if (m_position < m_text.size() && m_text[m_position] == '\n') ++m_position;
    return line;
  }

  // Whether the line last returned ended with a line break, as every line
  // that Solvane finished writing does.
  bool lastHadBreak() const { return m_lastHadBreak; }

 private:
  std::string_view m_text;
  std::size_t m_position = 0;
  int m_number = 0;
  bool m_lastHadBreak = false;
};

bool IsBlankLine(std::string_view line) {
  return line.find_first_not_of(" \t\v\f") == std::string_view::npos;
}

bool HeaderMatches(std::string_view line, const std::vector<std::string_view>& words) {
  TextScanner scanner(line);
  for (std::string_view word : words) {
    const std::string pattern = " " + std::string(word);
    if (!scanner.Scan(pattern)) return false;
  }
  return scanner.AtEnd();
}

// "label: a b" with two finite reals and nothing after them.
bool ReadRow(std::string_view line, const std::string& label, std::pair<double, double>& values) {
  TextScanner scanner(line);
  const std::string pattern = " " + label + ":%lf%lf";
  return scanner.Scan(pattern, values.first, values.second) && scanner.AtEnd() &&
         std::isfinite(values.first) && std::isfinite(values.second);
}

class TableReader {
 public:
  TableReader(std::string_view text, const NodeTableLayout& layout)
      : m_lines(text), m_layout(layout) {}

  NodeTable Read() {
    if (!ReadHeader()) return Failed();
    m_table.rows.reserve(m_layout.nodes.size() + 1);
    for (int node : m_layout.nodes) {
      if (!ReadValues(std::to_string(node), "the row of node " + std::to_string(node))) {
        return Failed();
      }
    }
    if (!m_layout.closingLabel.empty()) {
      const std::string label(m_layout.closingLabel);
      if (!ReadValues(label, "the row \"" + label + ":\"")) return Failed();
    }
    while (!m_lines.AtEnd()) {
      if (!IsBlankLine(m_lines.Next())) {
        Fail("more rows than the model has");
        return Failed();
      }
    }
    return std::move(m_table);
  }

 private:
  bool ReadHeader() {
    if (m_lines.AtEnd()) return Fail("the file is empty");
    if (HeaderMatches(m_lines.Next(), m_layout.headerWords)) return true;
    std::string header;
    for (std::string_view word : m_layout.headerWords) {
      header += (header.empty() ? "" : " ") + std::string(word);
    }
    return Fail("expected the header \"" + header + "\"");
  }

  bool ReadValues(const std::string& label, const std::string& expected) {
    if (m_lines.AtEnd()) return Fail("the file ends before " + expected);
    std::pair<double, double> values;
    if (!ReadRow(m_lines.Next(), label, values)) {
      return Fail("expected " + expected + " with two finite numbers");
    }
    if (!m_lines.lastHadBreak()) return Fail("the last row has no line break: the file is cut short");
    m_table.rows.push_back(values);
    return true;
  }

  bool Fail(const std::string& problem) {
    m_table.fault = "line " + std::to_string(std::max(m_lines.number(), 1)) + ": " + problem;
    return false;
  }

  NodeTable Failed() {
    m_table.rows.clear();
    return std::move(m_table);
  }

  Lines m_lines;
  const NodeTableLayout& m_layout;
  NodeTable m_table;
};

}  // namespace

NodeTable ReadNodeTable(std::string_view text, const NodeTableLayout& layout) {
  return TableReader(text, layout).Read();
}

}  // namespace kestrix

#include "displacement_reader.h"

#include <numeric>
#include <optional>

#include "node_table_reader.h"
#include "text_scanner.h"

namespace kestrix {

bool ReadDisplacements(const std::string& path, Model& model) {
  model.ZeroDisplacements();
  model.SetSolved(false);
  const std::optional<std::string> text = ReadTextFile(path);
  if (!text) {
    model.notifier().ShowMessage("节点位移文件读取错误!", kWarningCaption);
    return false;
  }
  std::vector<int> nodes(model.NPOIN());
  std::iota(nodes.begin(), nodes.end(), 0);
  const NodeTable table =
      ReadNodeTable(*text, {.headerWords = {"Node", "dx", "dy"}, .nodes = nodes, .closingLabel = {}});
  if (!table.fault.empty()) {
    model.notifier().ShowMessage("节点位移文件读取错误! " + path + ", " + table.fault +
                                     "; no result is shown.",
                                 kWarningCaption);
    return false;
  }
  for (int node = 0; node < model.NPOIN(); ++node) {
    model.SetNodeDisplacement(node, table.rows[node].first, table.rows[node].second);
  }
  model.SetSolved(true);
  return true;
}

}  // namespace kestrix

#include "reaction_reader.h"

#include <filesystem>
#include <optional>

#include "node_table_reader.h"
#include "text_scanner.h"

namespace kestrix {

bool ReadReactions(const std::string& path, Model& model) {
  model.SetReactions({});
  std::error_code ignored;
  if (!std::filesystem::exists(path, ignored)) return false;
  const std::optional<std::string> text = ReadTextFile(path);
  const std::vector<int> nodes = model.FixedNodes();
  const NodeTable table =
      text ? ReadNodeTable(*text, {.headerWords = {"Node", "RX", "RY"}, .nodes = nodes,
                                   .closingLabel = "Sum"})
           : NodeTable{.rows = {}, .fault = "the file cannot be read"};
  if (!table.fault.empty()) {
    model.notifier().ShowMessage("节点反力文件读取错误! " + path + ", " + table.fault +
                                     "; no reaction is drawn.",
                                 kWarningCaption);
    return false;
  }
  std::vector<NodeReaction> reactions;
  for (std::size_t k = 0; k < nodes.size(); ++k) {
    reactions.push_back({.node = nodes[k], .RX = table.rows[k].first, .RY = table.rows[k].second});
  }
  model.SetReactions(std::move(reactions));
  return true;
}

}  // namespace kestrix

#include "displacement_reader.h"

#include <optional>

#include "text_scanner.h"

namespace kestrix {

namespace {

// The header is one line shorter than 100 characters.
constexpr std::size_t kHeaderLimit = 99;

}  // namespace

bool ReadDisplacements(const std::string& path, Model& model) {
  model.ZeroDisplacements();
  const std::optional<std::string> text = ReadTextFile(path);
  if (!text) {
    model.SetSolved(false);
    model.notifier().ShowMessage("节点位移文件读取错误!", kWarningCaption);
    return false;
  }
  TextScanner scanner(*text);
  scanner.SkipLine(kHeaderLimit);
  for (int node = 0; node < model.NPOIN(); ++node) {
    int row = 0;
    double ux = 0.0, uy = 0.0;
    if (!scanner.Scan("%d:%lf%lf\n", row, ux, uy)) break;
    model.SetNodeDisplacement(node, ux, uy);
  }
  model.SetSolved(true);
  return true;
}

}  // namespace kestrix

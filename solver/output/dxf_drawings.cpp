#include "output/dxf_drawings.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "console/console.h"
#include "output/bounding_box.h"
#include "output/deformation_scale.h"
#include "output/number_text.h"
#include "output/prompt_output_retry.h"
#include "output/result_file.h"

namespace solvane {

namespace {

// Where and how large an element's number is drawn.
struct Label {
  NodeCoord at;
  double height;
};

// The written coordinates of a point, formatted once for all the edges that
// meet there.
struct PointText {
  std::string x;
  std::string y;
};

std::vector<PointText> PointTexts(const std::vector<NodeCoord>& points) {
  std::vector<PointText> texts(points.size());
  for (std::size_t n = 0; n < points.size(); ++n) {
    texts[n] = {FormatReal(points[n].x), FormatReal(points[n].y)};
  }
  return texts;
}

// Writes the drawing with `draw`, and writes it again from the start while
// the user asks to retry after the file could not be opened or written in
// full; false when the user chooses to exit.
template <typename Draw>
bool WriteDrawing(const char* fileName, const Draw& draw) {
  for (;;) {
    ResultFile file;
    if (file.Open(fileName)) {
      draw(file);
      if (file.Close()) return true;
      ConsoleWrite(file.Failure() + "\n");
    }
    if (PromptOutputRetry(fileName) == RetryAnswer::kExit) return false;
  }
}

void AppendLines(std::string& text, std::initializer_list<std::string_view> lines) {
  for (std::string_view line : lines) {
    text += line;
    text += '\n';
  }
}

void WriteLines(ResultFile& file, std::initializer_list<std::string_view> lines) {
  file.WriteWith([lines](std::string& text) { AppendLines(text, lines); });
}

// The single ENTITIES section; every entity closes with the "  0" that opens
// the next one or the end of the section.
void WriteSectionStart(ResultFile& file) {
  WriteLines(file, {"  0", "SECTION", "  2", "ENTITIES", "  0"});
}

void WriteSectionEnd(ResultFile& file) { WriteLines(file, {"ENDSEC", "  0", "EOF"}); }

// Each entity is written as its group codes and values, one per line; the
// fixed stretches between the values are appended as one piece each.
void AppendLineEntity(std::string& text, const PointText& from, const PointText& to) {
  text += "LINE\n  8\n0\n 10\n";
  text += from.x;
  text += "\n 20\n";
  text += from.y;
  text += "\n 30\n0.0\n 11\n";
  text += to.x;
  text += "\n 21\n";
  text += to.y;
  text += "\n 31\n0.0\n  0\n";
}

void AppendTextEntity(std::string& text, std::string_view layer, NodeCoord at, double height,
                      int number) {
  text += "TEXT\n  8\n";
  text += layer;
  text += "\n 10\n";
  AppendReal(text, at.x);
  text += "\n 20\n";
  AppendReal(text, at.y);
  text += "\n 30\n0.0\n 40\n";
  AppendReal(text, height);
  text += "\n  1\n";
  AppendInteger(text, number);
  text += "\n 50\n0\n  0\n";
}

// The four edges of element e, corner k to corner k + 1 and the last back to
// the first, between the given positions of the nodes.
void AppendElementEdges(std::string& text, const AnalysisData& data, int e,
                        const std::vector<PointText>& positions) {
  for (int k = 0; k < kNodesPerElement; ++k) {
    const int from = data.NodeOfCorner(e, k);
    const int to = data.NodeOfCorner(e, (k + 1) % kNodesPerElement);
    AppendLineEntity(text, positions[from], positions[to]);
  }
}

// The element number sits centred on the element's centroid, its height a
// fifth of the smaller side of the element's bounding box.
Label ElementLabel(const AnalysisData& data, int e) {
  NodeCoord corners[kNodesPerElement];
  double sumX = 0.0;
  double sumY = 0.0;
  for (int k = 0; k < kNodesPerElement; ++k) {
    corners[k] = data.nodes[data.NodeOfCorner(e, k)];
    sumX += corners[k].x;
    sumY += corners[k].y;
  }
  const Bounds box = BoundingBox(corners, kNodesPerElement);
  const double height = std::min(box.xmax - box.xmin, box.ymax - box.ymin) / 5;
  const double centreX = sumX / kNodesPerElement;
  const double centreY = sumY / kNodesPerElement;
  return {{centreX - height / 2, centreY - height / 2}, height};
}

// Without elements there is no element size to follow: node numbers get a
// fiftieth of the model's larger extent, or 1 when all nodes coincide.
double NodeLabelHeightWithoutElements(const AnalysisData& data) {
  const Bounds box = BoundingBox(data.nodes.data(), data.NPOIN);
  const double extent = std::max(box.xmax - box.xmin, box.ymax - box.ymin);
  return extent > 0.0 ? extent / 50 : 1.0;
}

void WriteNodeNumbers(ResultFile& file, const AnalysisData& data, double height) {
  for (int n = 0; n < data.NPOIN; ++n) {
    file.WriteWith([&](std::string& text) {
      const NodeCoord& node = data.nodes[n];
      AppendTextEntity(text, "2", {node.x + height / 5, node.y + height / 5}, height, n);
    });
  }
}

// Every node number takes the label height of the last element.
double NodeLabelHeight(const AnalysisData& data) {
  if (data.NELEM > 0) return ElementLabel(data, data.NELEM - 1).height;
  return data.NPOIN > 0 ? NodeLabelHeightWithoutElements(data) : 0.0;
}

}  // namespace

bool WriteStructureDxf(const AnalysisData& data, const char* fileName) {
  return WriteDrawing(fileName, [&](ResultFile& file) {
    WriteSectionStart(file);
    const std::vector<PointText> nodes = PointTexts(data.nodes);
    for (int e = 0; e < data.NELEM; ++e) {
      file.WriteWith([&](std::string& text) {
        AppendElementEdges(text, data, e, nodes);
        const Label label = ElementLabel(data, e);
        AppendTextEntity(text, "1", label.at, label.height, e);
      });
    }
    WriteNodeNumbers(file, data, NodeLabelHeight(data));
    WriteSectionEnd(file);
  });
}

bool WriteDeformationDxf(const AnalysisData& data, const char* fileName) {
  return WriteDrawing(fileName, [&](ResultFile& file) {
    const double scale = DeformationScale(data);
    std::vector<NodeCoord> displaced(data.NPOIN);
    for (int n = 0; n < data.NPOIN; ++n) displaced[n] = DisplacedNode(data, n, scale);
    const std::vector<PointText> displacedText = PointTexts(displaced);
    WriteSectionStart(file);
    for (int e = 0; e < data.NELEM; ++e) {
      file.WriteWith([&](std::string& text) {
        AppendElementEdges(text, data, e, displacedText);
      });
    }
    WriteSectionEnd(file);
  });
}

}  // namespace solvane

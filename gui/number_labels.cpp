#include "number_labels.h"

#include <string>

namespace kestrix {
namespace {

constexpr const char* kNumberFontFace = "Times New Roman";
constexpr Rgb kNodeNumberColour{0, 0, 255};
constexpr Rgb kElementNumberColour{255, 0, 255};

int NumberHeight(const ModelPlotter& plotter, const Model& model) {
  return TruncatedPixels(model.averageElementEdgeLength() / 5 * plotter.view().scale());
}

ModelPosition Centroid(const Model& model, const Element& element) {
  double x = 0.0;
  double y = 0.0;
  for (const int node : element) {
    x += model.nodeArray()[node].x;
    y += model.nodeArray()[node].y;
  }
  return {x / model.nodesPerElement(), y / model.nodesPerElement()};
}

}  // namespace

void DrawNodeNumbers(const ModelPlotter& plotter, const Model& model) {
  if (model.NPOIN() == 0) return;
  Canvas& canvas = plotter.canvas();
  canvas.SetFont(Font{kNumberFontFace, NumberHeight(plotter, model), 0});
  canvas.SetTextColour(kNodeNumberColour);
  for (int k = 0; k < model.NPOIN(); ++k) {
    const ScreenPoint p = plotter.Pixel(model.nodeArray()[k].position());
    canvas.DrawText(p.x, p.y, std::to_string(k));
  }
}

void DrawElementNumbers(const ModelPlotter& plotter, const Model& model) {
  if (model.NELEM() == 0) return;
  Canvas& canvas = plotter.canvas();
  const int height = NumberHeight(plotter, model);
  const int width = height / 2;
  canvas.SetFont(Font{kNumberFontFace, height, width});
  canvas.SetTextColour(kElementNumberColour);
  for (int e = 0; e < model.NELEM(); ++e) {
    const ScreenPoint p = plotter.Pixel(Centroid(model, model.connectivity()[e]));
    const std::string text = std::to_string(e);
    const int length = static_cast<int>(text.size());
    canvas.DrawText(p.x - (length * width) / 2, p.y - height / 2, text);
  }
}

}  // namespace kestrix

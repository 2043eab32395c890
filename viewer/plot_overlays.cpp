#include "plot_overlays.h"

#include <algorithm>
#include <string>

#include "decimal_text.h"
#include "picture_style.h"

namespace ambrel {
namespace {

constexpr int kBoxPadding = 3;
constexpr double kMarkerRadius = 4.5;
constexpr int kLabelOffset = 7;

bool MayTouch(const PixelRect& plot, PixelPoint a, PixelPoint b) {
  return std::max(a.x, b.x) >= plot.x && std::min(a.x, b.x) <= plot.x + plot.width &&
         std::max(a.y, b.y) >= plot.y && std::min(a.y, b.y) <= plot.y + plot.height;
}

void DrawMarker(Canvas& canvas, const PixelRect& plot, PixelPoint at, const std::string& label,
                bool above) {
  canvas.DrawDisc(at, kMarkerRadius, kLabelFillColour, kMarkerPen);
  const TextExtent box = BoxedTextExtent(canvas, label);
  int x = static_cast<int>(at.x) + kLabelOffset;
  int y = above ? static_cast<int>(at.y) - kLabelOffset - box.height
                : static_cast<int>(at.y) + kLabelOffset;
  x = std::clamp(x, plot.x, std::max(plot.x, plot.x + plot.width - box.width));
  y = std::clamp(y, plot.y, std::max(plot.y, plot.y + plot.height - box.height));
  DrawBoxedText(canvas, x, y, label, kTextColour);
}

}  // namespace

void DrawEdges(Canvas& canvas, const PixelRect& plot, const std::vector<PixelPoint>& pixels,
               const std::vector<MeshEdge>& edges, const Pen& pen) {
  std::vector<Segment> segments;
  segments.reserve(edges.size());
  for (const MeshEdge& edge : edges) {
    const PixelPoint a = pixels[edge.first];
    const PixelPoint b = pixels[edge.second];
    if (MayTouch(plot, a, b)) segments.push_back({a, b});
  }
  canvas.DrawSegments(segments, pen);
}

void DrawExtremeMarkers(Canvas& canvas, const PixelRect& plot,
                        const std::vector<PixelPoint>& pixels, const FieldExtremes& extremes) {
  const auto label = [](const char* which, double value, int node) {
    return std::string(which) + " " + FormatReal(value) + " (node " + std::to_string(node) + ")";
  };
  DrawMarker(canvas, plot, pixels[extremes.maxNode], label("max", extremes.max, extremes.maxNode),
             true);
  DrawMarker(canvas, plot, pixels[extremes.minNode], label("min", extremes.min, extremes.minNode),
             false);
}

TextExtent BoxedTextExtent(Canvas& canvas, std::string_view text) {
  const TextExtent extent = canvas.MeasureText(text, TextWeight::Normal);
  return {extent.width + 2 * kBoxPadding, extent.height + 2 * kBoxPadding};
}

void DrawBoxedText(Canvas& canvas, int x, int y, std::string_view text, Rgb colour) {
  const TextExtent box = BoxedTextExtent(canvas, text);
  const PixelRect rect{x, y, box.width, box.height};
  canvas.FillRect(rect, kLabelFillColour);
  canvas.DrawSegments(FrameOf(rect), kFramePen);
  canvas.DrawText(x + kBoxPadding, y + kBoxPadding, text, TextWeight::Normal, colour);
}

}  // namespace ambrel

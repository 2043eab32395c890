#pragma once
// The canvas on a QPainter, used on the off-screen image of a paint. Small
// circles in the copy mode go onto an image as the painter draws them, from
// a pattern it drew once: a paint holds one for every node.

#include <QImage>
#include <QPainter>
#include <map>
#include <optional>
#include <tuple>
#include <vector>

#include "canvas.h"

namespace kestrix {

class QtCanvas : public Canvas {
 public:
  explicit QtCanvas(QPainter& painter);

  void FillBackground(Rgb colour) override;
  void SetPen(const Pen& pen) override;
  void SetRasterMode(RasterMode mode) override;
  RasterMode GetRasterMode() const override { return m_rasterMode; }
  void DrawLine(int x1, int y1, int x2, int y2) override;
  void DrawLines(std::span<const CanvasLine> lines) override;
  void DrawEllipse(int left, int top, int right, int bottom) override;
  void SetFont(const Font& font) override;
  void SetTextColour(Rgb colour) override;
  void DrawText(int x, int y, const std::string& text) override;

 private:
  // The pixels an ellipse outline covers, relative to its box's top left.
  using Pattern = std::vector<QPoint>;
  bool StampEllipse(int left, int top, int right, int bottom);
  const Pattern* EllipsePattern(int width, int height);

  QPainter& m_painter;
  // The painter's image, where pixels may be written directly.
  QImage* m_image = nullptr;
  std::optional<Pen> m_kestrixPen;
  QPen m_pen;
  std::vector<QLine> m_lines;
  std::map<std::tuple<int, int, int>, std::optional<Pattern>> m_patterns;
  QColor m_textColour;
  RasterMode m_rasterMode = RasterMode::Copy;
};

}  // namespace kestrix

#pragma once
// The canvas on a QPainter, used on the off-screen image of a paint. In the
// copy mode with a solid pen, thin lines and small circles go straight into
// an image's pixels, exactly as the painter draws them: a paint holds a line
// for every side and a circle for every node of the mesh.

#include <QImage>
#include <QPainter>
#include <map>
#include <optional>
#include <tuple>
#include <vector>

#include "canvas.h"
#include "thin_lines.h"

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
  void DrawLinesBothWays(std::span<const CanvasLine> lines) override;
  void DrawEllipse(int left, int top, int right, int bottom) override;
  void SetFont(const Font& font) override;
  void SetTextColour(Rgb colour) override;
  void DrawText(int x, int y, const std::string& text) override;

 private:
  // The pixels an ellipse outline covers, relative to its box's top left,
  // and the box around them.
  struct Pattern {
    std::vector<QPoint> pixels;
    QRect extent;
  };
  using PatternKey = std::tuple<int, int, int>;
  bool StampEllipse(int left, int top, int right, int bottom);
  void Stamp(const Pattern& pattern, int left, int top);
  bool WritesThinLinesDirectly() const;
  // Writes the lines it can directly and gives the others to the painter,
  // reversed too when `bothWays`.
  void DrawLinesDirectlyWherePossible(std::span<const CanvasLine> lines, bool bothWays);
  const Pattern* EllipsePattern(int width, int height);
  const Pattern* DrawnEllipsePattern(const PatternKey& key);

  QPainter& m_painter;
  // The pixels of the painter's image, where they may be written directly.
  std::optional<PixelWords> m_pixels;
  std::optional<Pen> m_kestrixPen;
  QPen m_pen;
  std::vector<QLine> m_lines;
  std::map<PatternKey, std::optional<Pattern>> m_patterns;
  // The pattern last asked for: the circles of a layer share one.
  std::optional<PatternKey> m_lastPatternKey;
  const Pattern* m_lastPattern = nullptr;
  QColor m_textColour;
  RasterMode m_rasterMode = RasterMode::Copy;
};

}  // namespace kestrix

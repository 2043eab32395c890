#pragma once
// The canvas on a QPainter, used on the off-screen image of a paint.

#include <QPainter>

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
  void DrawEllipse(int left, int top, int right, int bottom) override;
  void SetFont(const Font& font) override;
  void SetTextColour(Rgb colour) override;
  void DrawText(int x, int y, const std::string& text) override;

 private:
  QPainter& m_painter;
  QPen m_pen;
  QColor m_textColour;
  RasterMode m_rasterMode = RasterMode::Copy;
};

}  // namespace kestrix

#include "model_plotter.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kestrix {

double Pi() { return std::acos(-1.0); }

double Degrees(double degrees) { return Pi() * degrees / 180.0; }

double DirectionAngle(double dx, double dy) {
  const double angle = std::atan(dy / dx);
  return dx < 0.0 ? angle + Pi() : angle;
}

int TruncatedPixels(double measure) {
  if (!(measure >= 0.0) || measure >= static_cast<double>(std::numeric_limits<int>::max())) {
    return 0;
  }
  return static_cast<int>(measure);
}

namespace {

// Beyond the client area by more than this, no pen of the drawing reaches into it.
constexpr int kPenReach = 8;

}  // namespace

void ModelPlotter::UsePen(Rgb colour, int width) const {
  const Pen pen{colour, width, PenStyle::Solid};
  if (m_pen == pen) return;
  Flush();
  m_pen = pen;
  m_canvas.SetPen(pen);
}

bool ModelPlotter::Shows(ScreenPoint a, ScreenPoint b) const {
  return std::max(a.x, b.x) >= -kPenReach && std::min(a.x, b.x) <= m_view.width() + kPenReach &&
         std::max(a.y, b.y) >= -kPenReach && std::min(a.y, b.y) <= m_view.height() + kPenReach;
}

void ModelPlotter::PixelLine(ScreenPoint a, ScreenPoint b) const {
  if (Shows(a, b)) m_lines.push_back({a.x, a.y, b.x, b.y});
}

void ModelPlotter::Flush() const {
  if (m_lines.empty()) return;
  m_canvas.DrawLines(m_lines);
  m_lines.clear();
}

void ModelPlotter::Circle(ModelPosition centre, int radius) const {
  const ScreenPoint p = Pixel(centre);
  if (!Shows({p.x - radius, p.y - radius}, {p.x + radius, p.y + radius})) return;
  Flush();
  m_canvas.DrawEllipse(p.x - radius, p.y - radius, p.x + radius, p.y + radius);
}

// Each vertex is mapped once.
void ModelPlotter::ClosedOutline(std::span<const ModelPoint> vertices) const {
  if (vertices.empty()) return;
  const ScreenPoint first = Pixel(vertices.front().position());
  ScreenPoint from = first;
  for (std::size_t k = 1; k < vertices.size(); ++k) {
    const ScreenPoint to = Pixel(vertices[k].position());
    PixelLine(from, to);
    from = to;
  }
  PixelLine(from, first);
}

}  // namespace kestrix

#include "model_plotter.h"

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

void ModelPlotter::UsePen(Rgb colour, int width) const {
  m_canvas.SetPen(Pen{colour, width, PenStyle::Solid});
}

void ModelPlotter::Line(ModelPosition a, ModelPosition b) const {
  const ScreenPoint from = Pixel(a);
  const ScreenPoint to = Pixel(b);
  m_canvas.DrawLine(from.x, from.y, to.x, to.y);
}

void ModelPlotter::Circle(ModelPosition centre, int radius) const {
  const ScreenPoint p = Pixel(centre);
  m_canvas.DrawEllipse(p.x - radius, p.y - radius, p.x + radius, p.y + radius);
}

void ModelPlotter::ClosedOutline(std::span<const ModelPoint> vertices) const {
  const std::size_t count = vertices.size();
  for (std::size_t k = 0; k < count; ++k) {
    Line(vertices[k].position(), vertices[(k + 1) % count].position());
  }
}

}  // namespace kestrix

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

// Two pixels more than the pens' reach cover the truncation of mapped positions.
ModelPlotter::ModelPlotter(const ViewTransform& view, Canvas& canvas)
    : m_view(view), m_canvas(canvas) {
  const int reach = kPenReach + 2;
  const ModelPosition a = view.ModelFromScreen(-reach, -reach);
  const ModelPosition b = view.ModelFromScreen(view.width() + reach, view.height() + reach);
  m_visible = {std::min(a.x, b.x), std::max(a.x, b.x), std::min(a.y, b.y), std::max(a.y, b.y)};
}

bool ModelPlotter::Beyond(const BoundingBox& box) const {
  return box.xmax < m_visible.xmin || box.xmin > m_visible.xmax || box.ymax < m_visible.ymin ||
         box.ymin > m_visible.ymax;
}

void ModelPlotter::ChangePen(const Pen& pen) const {
  Flush();
  m_pen = pen;
  m_canvas.SetPen(pen);
}

void ModelPlotter::Line(ModelPosition a, ModelPosition b) const {
  const auto [xmin, xmax] = std::minmax(a.x, b.x);
  const auto [ymin, ymax] = std::minmax(a.y, b.y);
  if (!Beyond({xmin, xmax, ymin, ymax})) PixelLine(Pixel(a), Pixel(b));
}

void ModelPlotter::Flush() const {
  if (m_lines.count > 0) m_canvas.DrawLines(m_lines.Taken());
  if (m_linesBothWays.count > 0) m_canvas.DrawLinesBothWays(m_linesBothWays.Taken());
}

void ModelPlotter::Circle(ModelPosition centre, int radius) const {
  if (Beyond(BoundingBox::At(centre))) return;
  const ScreenPoint p = Pixel(centre);
  if (!Shows({p.x - radius, p.y - radius}, {p.x + radius, p.y + radius})) return;
  Flush();
  m_canvas.DrawEllipse(p.x - radius, p.y - radius, p.x + radius, p.y + radius);
}

// Each vertex is mapped once, and none when the outline lies beyond the view.
void ModelPlotter::ClosedOutline(std::span<const ModelPoint> vertices) const {
  if (vertices.empty()) return;
  BoundingBox box = BoundingBox::At(vertices.front().position());
  for (const ModelPoint& vertex : vertices) box.Include(vertex.position());
  if (Beyond(box)) return;
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

#pragma once
// Drawing in model coordinates: every point is mapped through the view and
// drawn on the canvas of the current paint.

#include <algorithm>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "bounding_box.h"
#include "canvas.h"
#include "model_point.h"
#include "view_transform.h"

namespace kestrix {

// π as the drawing code computes it, and an angle in degrees in radians.
double Pi();
double Degrees(double degrees);

// The direction of (dx, dy): atan(dy / dx), turned by π when dx < 0, so that it
// lies in [−π/2, 3π/2).
double DirectionAngle(double dx, double dy);

// A pixel count from a real measure, truncated toward zero; 0 when the measure
// is not finite or negative, so that no unusable value reaches the canvas.
int TruncatedPixels(double measure);

// Lines wholly outside the client area (with room for the widest pen) and
// circles outside it are left out; the lines passed in a row with one pen go
// to the canvas together, in their order, and those to be drawn both ways
// after them (with one opaque pen the order of lines changes no pixel). A pen
// set again unchanged is not passed on.
class ModelPlotter {
 public:
  ModelPlotter(const ViewTransform& view, Canvas& canvas);
  ~ModelPlotter() { Flush(); }
  ModelPlotter(const ModelPlotter&) = delete;
  ModelPlotter& operator=(const ModelPlotter&) = delete;

  // The canvas, with every line passed so far drawn on it.
  Canvas& canvas() const {
    Flush();
    return m_canvas;
  }
  const ViewTransform& view() const { return m_view; }
  ScreenPoint Pixel(ModelPosition p) const { return m_view.ModelToScreen(p.x, p.y); }

  // The calls per line and per vertex are defined here, so that the drawing
  // of a large mesh can inline them.
  void UsePen(Rgb colour, int width) const {
    const Pen pen{colour, width, PenStyle::Solid};
    if (m_pen != pen) ChangePen(pen);
  }
  void Line(ModelPosition a, ModelPosition b) const;
  void PixelLine(ScreenPoint a, ScreenPoint b) const { Batch(m_lines, a, b); }
  // The pixels of the line from a to b and of the line from b to a.
  void PixelLineBothWays(ScreenPoint a, ScreenPoint b) const { Batch(m_linesBothWays, a, b); }
  // A full circle outline of `radius` pixels around the pixel of `centre`.
  void Circle(ModelPosition centre, int radius) const;
  // A segment from each vertex to the next and from the last back to the first.
  void ClosedOutline(std::span<const ModelPoint> vertices) const;

 private:
  // Beyond the client area by more than this, no pen of the drawing reaches into it.
  static constexpr int kPenReach = 8;
  // Lines go to the canvas in batches of at most this many, which stay in the cache.
  static constexpr std::size_t kLineBatch = 4096;

  // Whether anything of a box spanned by two pixels can show.
  bool Shows(ScreenPoint a, ScreenPoint b) const {
    return std::max(a.x, b.x) >= -kPenReach && std::min(a.x, b.x) <= m_view.width() + kPenReach &&
           std::max(a.y, b.y) >= -kPenReach && std::min(a.y, b.y) <= m_view.height() + kPenReach;
  }
  // Lines kept for the canvas in storage of the batch's size, so that
  // adding one is a store and a count.
  struct LineBatch {
    std::vector<CanvasLine> lines = std::vector<CanvasLine>(kLineBatch);
    std::size_t count = 0;
    std::span<const CanvasLine> Taken() {
      return {lines.data(), std::exchange(count, std::size_t{0})};
    }
  };
  void Batch(LineBatch& batch, ScreenPoint a, ScreenPoint b) const {
    if (!Shows(a, b)) return;
    batch.lines[batch.count++] = {a.x, a.y, b.x, b.y};
    if (batch.count == kLineBatch) Flush();
  }
  void ChangePen(const Pen& pen) const;
  // Whether a model box lies wholly beyond the client area, so that nothing
  // drawn from it shows; decided before any position is mapped.
  bool Beyond(const BoundingBox& box) const;
  void Flush() const;

  const ViewTransform& m_view;
  Canvas& m_canvas;
  // The model box of the client area widened by the pens' reach.
  BoundingBox m_visible;
  mutable std::optional<Pen> m_pen;
  mutable LineBatch m_lines;
  mutable LineBatch m_linesBothWays;
};

}  // namespace kestrix

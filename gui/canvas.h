#pragma once
// The drawing surface that Kestrix's view, rendering and rubber bands draw on.
// It is our own small interface so that drawing logic stays toolkit-neutral:
// the Qt backend implements it on an off-screen image, tests record the calls.

#include <span>
#include <string>

namespace kestrix {

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

enum class PenStyle { Solid, Dashed };

struct Pen {
  Rgb colour;
  int width = 1;
  PenStyle style = PenStyle::Solid;
  friend bool operator==(const Pen&, const Pen&) = default;
};

// A font by face name; height is the cell height (ascent + descent) and width
// the average character width, both in pixels, 0 meaning the default.
struct Font {
  std::string face;
  int height = 0;
  int width = 0;
  friend bool operator==(const Font&, const Font&) = default;
};

// A line between two pixels.
struct CanvasLine {
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
};

// How lines are put on the surface: in the pen's colour, or by inverting the
// pixels under them (drawing the same outline twice restores the picture).
enum class RasterMode { Copy, Invert };

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void FillBackground(Rgb colour) = 0;

  virtual void SetPen(const Pen& pen) = 0;
  virtual void SetRasterMode(RasterMode mode) = 0;
  virtual RasterMode GetRasterMode() const = 0;
  // A straight line from (x1, y1) to (x2, y2) with the current pen.
  virtual void DrawLine(int x1, int y1, int x2, int y2) = 0;
  // The lines in their order with the current pen, as many DrawLine calls
  // would draw them; a canvas may draw them in one go.
  virtual void DrawLines(std::span<const CanvasLine> lines) {
    for (const CanvasLine& line : lines) DrawLine(line.x1, line.y1, line.x2, line.y2);
  }
  // The pixels of each line drawn from its first end to its second and from
  // its second end back to its first, in no particular order of the lines; a
  // canvas whose lines do not depend on their direction draws each once.
  virtual void DrawLinesBothWays(std::span<const CanvasLine> lines) {
    for (const CanvasLine& line : lines) {
      DrawLine(line.x1, line.y1, line.x2, line.y2);
      DrawLine(line.x2, line.y2, line.x1, line.y1);
    }
  }
  // The full outline of the ellipse inscribed in the box (left, top)-(right, bottom).
  virtual void DrawEllipse(int left, int top, int right, int bottom) = 0;

  virtual void SetFont(const Font& font) = 0;
  virtual void SetTextColour(Rgb colour) = 0;
  // Text whose top-left corner is at (x, y), on a transparent background.
  virtual void DrawText(int x, int y, const std::string& text) = 0;
};

}  // namespace kestrix

#pragma once
// The drawing surface of the viewer's picture, our own small interface so
// that the picture is drawn by toolkit-neutral code: the Qt backend
// implements it on a painter, tests record the calls. Coordinates are pixels
// of the picture, x to the right and y downwards.

#include <string_view>
#include <vector>

#include "pixel_image.h"
#include "plot_view.h"
#include "rgb.h"

namespace ambrel {

struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

struct Pen {
  Rgb colour;
  double width = 1.0;
  bool dashed = false;
};

struct Segment {
  PixelPoint from;
  PixelPoint to;
};

enum class TextWeight { Normal, Bold };

struct TextExtent {
  int width = 0;
  int height = 0;
};

// The four sides of a rectangle, drawn through the centres of its border pixels.
inline std::vector<Segment> FrameOf(const PixelRect& rect) {
  const double left = rect.x + 0.5;
  const double top = rect.y + 0.5;
  const double right = rect.x + rect.width - 0.5;
  const double bottom = rect.y + rect.height - 0.5;
  return {{{left, top}, {right, top}},
          {{right, top}, {right, bottom}},
          {{right, bottom}, {left, bottom}},
          {{left, bottom}, {left, top}}};
}

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void FillRect(const PixelRect& rect, Rgb colour) = 0;
  // The image with its top-left pixel at (x, y), pixel for pixel.
  virtual void DrawImage(int x, int y, const PixelImage& image) = 0;
  // Straight lines, all with the one pen; many at once, as a mesh has.
  virtual void DrawSegments(const std::vector<Segment>& segments, const Pen& pen) = 0;
  // A filled circle with an outline.
  virtual void DrawDisc(PixelPoint centre, double radius, Rgb fill, const Pen& outline) = 0;
  // The size that DrawText gives the text: its advance and its line height.
  virtual TextExtent MeasureText(std::string_view text, TextWeight weight) = 0;
  // One line of text whose cell's top-left corner is at (x, y).
  virtual void DrawText(int x, int y, std::string_view text, TextWeight weight, Rgb colour) = 0;
};

}  // namespace ambrel

#include "colour_bar.h"

#include <algorithm>
#include <string>

#include "decimal_text.h"
#include "picture_style.h"

namespace ambrel {
namespace {

constexpr int kMargin = 14;
constexpr int kSwatchWidth = 26;
constexpr int kMaxSwatchHeight = 28;
constexpr int kMinSwatchHeight = 3;
constexpr int kTickLength = 5;
constexpr int kOutOfRangeGap = 8;  // between the bands and an out-of-range swatch

int LineHeight(Canvas& canvas) { return canvas.MeasureText("0", TextWeight::Normal).height; }

// The name, the range and a note on limits set by the user; returns the y below them.
int DrawHeading(Canvas& canvas, int x, int y, const ColourBarContent& content) {
  const auto line = [&](std::string_view text, TextWeight weight) {
    canvas.DrawText(x, y, text, weight, kTextColour);
    y += canvas.MeasureText(text, weight).height + 2;
  };
  line(ComponentTitle(content.component), TextWeight::Bold);
  line("max " + FormatReal(content.extremes.max), TextWeight::Normal);
  line("min " + FormatReal(content.extremes.min), TextWeight::Normal);
  if (content.limitsSetByUser) line("limits set by user", TextWeight::Normal);
  return y;
}

// A swatch with a frame and a text beside its middle.
void DrawSwatch(Canvas& canvas, const PixelRect& rect, Rgb colour, std::string_view label) {
  canvas.FillRect(rect, colour);
  canvas.DrawSegments(FrameOf(rect), kFramePen);
  const int textY = rect.y + (rect.height - LineHeight(canvas)) / 2;
  canvas.DrawText(rect.x + rect.width + kTickLength + 4, textY, label, TextWeight::Normal,
                  kTextColour);
}

void DrawUniformSwatch(Canvas& canvas, int x, int y, const ColourBarContent& content) {
  const PixelRect rect{x, y, kSwatchWidth, kMaxSwatchHeight};
  DrawSwatch(canvas, rect, BandColour(content.colourMap, 0, 1), FormatReal(content.scale.Lower()));
  canvas.DrawText(x, y + rect.height + 6, "uniform field", TextWeight::Normal, kTextColour);
}

// The limit between the bands at height `lineY`, with a tick from the swatches.
void DrawLimit(Canvas& canvas, int x, int lineY, double limit) {
  const double tickY = lineY + 0.5;
  canvas.DrawSegments(
      {{{x + kSwatchWidth + 0.0, tickY}, {x + kSwatchWidth + kTickLength + 0.0, tickY}}},
      kFramePen);
  canvas.DrawText(x + kSwatchWidth + kTickLength + 4, lineY - LineHeight(canvas) / 2,
                  FormatReal(limit), TextWeight::Normal, kTextColour);
}

void DrawBands(Canvas& canvas, int x, int top, int bottom, const ColourBarContent& content) {
  const BandScale& scale = content.scale;
  const int count = scale.Count();
  const bool above = scale.HasValuesAbove();
  const bool below = scale.HasValuesBelow();
  const int slots = count + (above ? 1 : 0) + (below ? 1 : 0);
  const int gaps = (above ? kOutOfRangeGap : 0) + (below ? kOutOfRangeGap : 0);
  const int height = std::clamp((bottom - top - gaps) / slots, kMinSwatchHeight, kMaxSwatchHeight);

  if (above) {
    DrawSwatch(canvas, {x, top, kSwatchWidth, height}, kAboveRangeColour, "above");
    top += height + kOutOfRangeGap;
  }
  for (int band = 0; band < count; ++band) {
    const PixelRect rect{x, top + (count - 1 - band) * height, kSwatchWidth, height};
    canvas.FillRect(rect, BandColour(content.colourMap, band, count));
  }
  canvas.DrawSegments(FrameOf({x, top, kSwatchWidth, count * height}), kFramePen);

  // Every limit while the labels fit, else every step-th from the lowest,
  // always with the highest.
  const int step = std::max(1, (LineHeight(canvas) + height - 1) / height);
  for (int i = 0; i <= count; ++i) {
    const bool shown = i == count || (i % step == 0 && count - i >= step);
    if (shown) DrawLimit(canvas, x, top + (count - i) * height, scale.Limit(i));
  }
  if (below) {
    DrawSwatch(canvas, {x, top + count * height + kOutOfRangeGap, kSwatchWidth, height},
               kBelowRangeColour, "below");
  }
}

}  // namespace

void DrawColourBar(Canvas& canvas, const PixelRect& area, const ColourBarContent& content) {
  const double separatorX = area.x + 0.5;
  canvas.DrawSegments({{{separatorX, area.y + 0.0}, {separatorX, area.y + area.height + 0.0}}},
                      kFramePen);
  const int x = area.x + kMargin;
  const int halfLine = LineHeight(canvas) / 2;
  const int top = DrawHeading(canvas, x, area.y + kMargin, content) + halfLine + 8;
  if (content.scale.Uniform()) {
    DrawUniformSwatch(canvas, x, top, content);
  } else {
    DrawBands(canvas, x, top, area.y + area.height - kMargin - halfLine, content);
  }
}

}  // namespace ambrel

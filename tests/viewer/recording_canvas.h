#pragma once
// A canvas for tests of Ambrel's picture: it records the texts, filled
// rectangles, segments and discs, keeps a copy of the last image, and
// measures text as 7 pixels per character, 14 pixels high.

#include <algorithm>
#include <string>
#include <vector>

#include "picture_canvas.h"

namespace ambrel::test {

struct RecordedText {
  int x = 0;
  int y = 0;
  std::string text;
  TextWeight weight = TextWeight::Normal;
};

struct RecordedFill {
  PixelRect rect;
  Rgb colour;
};

struct RecordedSegments {
  std::vector<Segment> segments;
  Pen pen;
};

class RecordingCanvas : public Canvas {
 public:
  void FillRect(const PixelRect& rect, Rgb colour) override { fills.push_back({rect, colour}); }
  void DrawImage(int, int, const PixelImage& picture) override { image = picture; }
  void DrawSegments(const std::vector<Segment>& segments, const Pen& pen) override {
    lines.push_back({segments, pen});
  }
  void DrawDisc(PixelPoint centre, double, Rgb, const Pen&) override { discs.push_back(centre); }
  TextExtent MeasureText(std::string_view text, TextWeight) override {
    return {7 * static_cast<int>(text.size()), 14};
  }
  void DrawText(int x, int y, std::string_view text, TextWeight weight, Rgb) override {
    texts.push_back({x, y, std::string(text), weight});
  }

  bool HasText(const std::string& text) const {
    return std::any_of(texts.begin(), texts.end(),
                       [&text](const RecordedText& t) { return t.text == text; });
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> all;
    for (const RecordedText& t : texts) all.push_back(t.text);
    return all;
  }

  std::vector<RecordedText> texts;
  std::vector<RecordedFill> fills;
  std::vector<RecordedSegments> lines;
  std::vector<PixelPoint> discs;
  PixelImage image;
};

}  // namespace ambrel::test

#pragma once
// The viewer's canvas on a QPainter: on a widget, an image or a PDF page.

#include <QFont>
#include <QPainter>

#include "picture_canvas.h"

namespace ambrel {

class QtPictureCanvas : public Canvas {
 public:
  explicit QtPictureCanvas(QPainter& painter);

  void FillRect(const PixelRect& rect, Rgb colour) override;
  void DrawImage(int x, int y, const PixelImage& image) override;
  void DrawSegments(const std::vector<Segment>& segments, const Pen& pen) override;
  void DrawDisc(PixelPoint centre, double radius, Rgb fill, const Pen& outline) override;
  TextExtent MeasureText(std::string_view text, TextWeight weight) override;
  void DrawText(int x, int y, std::string_view text, TextWeight weight, Rgb colour) override;

 private:
  const QFont& FontOf(TextWeight weight) const;

  QPainter& painter_;
  QFont normalFont_;
  QFont boldFont_;
};

}  // namespace ambrel

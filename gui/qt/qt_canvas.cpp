#include "qt_canvas.h"

#include <QFontMetrics>
#include <algorithm>

namespace kestrix {
namespace {

QColor ToQColor(Rgb colour) { return QColor(colour.red, colour.green, colour.blue); }

// The pixel size whose cell (ascent + descent) comes closest to `cellHeight`
// without exceeding it; Qt's pixel size is the em size, smaller than the cell.
int PixelSizeForCell(QFont font, int cellHeight) {
  const auto cellAt = [&font](int pixelSize) {
    font.setPixelSize(pixelSize);
    return QFontMetrics(font).height();
  };
  int pixelSize = std::max(1, cellHeight * cellHeight / std::max(1, cellAt(cellHeight)));
  while (pixelSize > 1 && cellAt(pixelSize) > cellHeight) --pixelSize;
  while (cellAt(pixelSize + 1) <= cellHeight) ++pixelSize;
  return pixelSize;
}

// A font whose cell is `height` pixels high and whose average character is
// `width` pixels wide; 0 keeps the default of either.
QFont ToQFont(const Font& font) {
  QFont qfont(QString::fromStdString(font.face));
  if (font.height > 0) qfont.setPixelSize(PixelSizeForCell(qfont, font.height));
  if (font.width > 0) {
    const int natural = QFontMetrics(qfont).averageCharWidth();
    if (natural > 0) qfont.setStretch(std::clamp(100 * font.width / natural, 1, 4000));
  }
  return qfont;
}

}  // namespace

QtCanvas::QtCanvas(QPainter& painter) : painter_(painter) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setBackgroundMode(Qt::TransparentMode);
}

void QtCanvas::FillBackground(Rgb colour) {
  painter_.save();
  painter_.setCompositionMode(QPainter::CompositionMode_Source);
  painter_.fillRect(painter_.window(), ToQColor(colour));
  painter_.restore();
}

void QtCanvas::SetPen(const Pen& pen) {
  pen_ = QPen(ToQColor(pen.colour), pen.width,
              pen.style == PenStyle::Dashed ? Qt::DashLine : Qt::SolidLine);
  painter_.setPen(pen_);
}

void QtCanvas::SetRasterMode(RasterMode mode) {
  rasterMode_ = mode;
  painter_.setCompositionMode(mode == RasterMode::Invert ? QPainter::RasterOp_NotDestination
                                                         : QPainter::CompositionMode_SourceOver);
}

void QtCanvas::DrawLine(int x1, int y1, int x2, int y2) {
  painter_.setPen(pen_);
  painter_.drawLine(x1, y1, x2, y2);
}

void QtCanvas::DrawEllipse(int left, int top, int right, int bottom) {
  painter_.setPen(pen_);
  painter_.setBrush(Qt::NoBrush);
  // An outlined QRect spans width + 1 pixels, so this covers left to right.
  painter_.drawEllipse(QRect(left, top, right - left, bottom - top));
}

void QtCanvas::SetFont(const Font& font) { painter_.setFont(ToQFont(font)); }

void QtCanvas::SetTextColour(Rgb colour) { textColour_ = ToQColor(colour); }

void QtCanvas::DrawText(int x, int y, const std::string& text) {
  painter_.setPen(textColour_);
  painter_.drawText(QPoint(x, y + painter_.fontMetrics().ascent()), QString::fromStdString(text));
  painter_.setPen(pen_);
}

}  // namespace kestrix

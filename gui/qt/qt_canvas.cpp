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

QtCanvas::QtCanvas(QPainter& painter) : m_painter(painter) {
  m_painter.setRenderHint(QPainter::Antialiasing, false);
  m_painter.setBackgroundMode(Qt::TransparentMode);
}

void QtCanvas::FillBackground(Rgb colour) {
  m_painter.save();
  m_painter.setCompositionMode(QPainter::CompositionMode_Source);
  m_painter.fillRect(m_painter.window(), ToQColor(colour));
  m_painter.restore();
}

void QtCanvas::SetPen(const Pen& pen) {
  m_pen = QPen(ToQColor(pen.colour), pen.width,
              pen.style == PenStyle::Dashed ? Qt::DashLine : Qt::SolidLine);
  m_painter.setPen(m_pen);
}

void QtCanvas::SetRasterMode(RasterMode mode) {
  m_rasterMode = mode;
  m_painter.setCompositionMode(mode == RasterMode::Invert ? QPainter::RasterOp_NotDestination
                                                         : QPainter::CompositionMode_SourceOver);
}

void QtCanvas::DrawLine(int x1, int y1, int x2, int y2) {
  m_painter.setPen(m_pen);
  m_painter.drawLine(x1, y1, x2, y2);
}

void QtCanvas::DrawEllipse(int left, int top, int right, int bottom) {
  m_painter.setPen(m_pen);
  m_painter.setBrush(Qt::NoBrush);
  // An outlined QRect spans width + 1 pixels, so this covers left to right.
  m_painter.drawEllipse(QRect(left, top, right - left, bottom - top));
}

void QtCanvas::SetFont(const Font& font) { m_painter.setFont(ToQFont(font)); }

void QtCanvas::SetTextColour(Rgb colour) { m_textColour = ToQColor(colour); }

void QtCanvas::DrawText(int x, int y, const std::string& text) {
  m_painter.setPen(m_textColour);
  m_painter.drawText(QPoint(x, y + m_painter.fontMetrics().ascent()), QString::fromStdString(text));
  m_painter.setPen(m_pen);
}

}  // namespace kestrix

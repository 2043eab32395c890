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

// Direct writes need an image whose pixels are 32-bit words in the painter's
// device space, without clipping.
QImage* DirectlyWritableImage(QPainter& painter) {
  QPaintDevice* device = painter.device();
  if (device == nullptr || device->devType() != QInternal::Image) return nullptr;
  auto* image = static_cast<QImage*>(device);
  const QImage::Format format = image->format();
  const bool wordPixels = format == QImage::Format_RGB32 ||
                          format == QImage::Format_ARGB32 ||
                          format == QImage::Format_ARGB32_Premultiplied;
  if (!wordPixels || !painter.deviceTransform().isIdentity() || painter.hasClipping()) {
    return nullptr;
  }
  return image;
}

}  // namespace

QtCanvas::QtCanvas(QPainter& painter) : m_painter(painter) {
  if (QImage* image = DirectlyWritableImage(painter)) m_pixels.emplace(*image);
  m_painter.setRenderHint(QPainter::Antialiasing, false);
  m_painter.setBackgroundMode(Qt::TransparentMode);
  m_painter.setBrush(Qt::NoBrush);
}

void QtCanvas::FillBackground(Rgb colour) {
  m_painter.save();
  m_painter.setCompositionMode(QPainter::CompositionMode_Source);
  m_painter.fillRect(m_painter.window(), ToQColor(colour));
  m_painter.restore();
}

void QtCanvas::SetPen(const Pen& pen) {
  if (m_kestrixPen == pen) return;
  m_kestrixPen = pen;
  m_pen = QPen(ToQColor(pen.colour), pen.width,
              pen.style == PenStyle::Dashed ? Qt::DashLine : Qt::SolidLine);
  m_painter.setPen(m_pen);
}

void QtCanvas::SetRasterMode(RasterMode mode) {
  m_rasterMode = mode;
  m_painter.setCompositionMode(mode == RasterMode::Invert ? QPainter::RasterOp_NotDestination
                                                         : QPainter::CompositionMode_SourceOver);
}

void QtCanvas::DrawLine(int x1, int y1, int x2, int y2) { m_painter.drawLine(x1, y1, x2, y2); }

void QtCanvas::DrawLines(std::span<const CanvasLine> lines) {
  DrawLinesDirectlyWherePossible(lines, false);
}

// A thin line written directly sets the same pixels either way round (its ends
// are put in order first), so it is written once. The painter, which clips a
// line at the image's edges from one end first, gets both directions.
void QtCanvas::DrawLinesBothWays(std::span<const CanvasLine> lines) {
  DrawLinesDirectlyWherePossible(lines, true);
}

// Thin lines inside the image are written directly; the others (wider,
// dashed, inverting, or reaching beyond the image) go to the painter.
void QtCanvas::DrawLinesDirectlyWherePossible(std::span<const CanvasLine> lines, bool bothWays) {
  m_lines.clear();
  const bool direct = WritesThinLinesDirectly();
  const QRgb colour = m_pen.color().rgb();
  for (const CanvasLine& line : lines) {
    if (direct && m_pixels->Contains(line.x1, line.y1) && m_pixels->Contains(line.x2, line.y2)) {
      DrawThinLine(*m_pixels, line.x1, line.y1, line.x2, line.y2, colour);
      continue;
    }
    m_lines.emplace_back(line.x1, line.y1, line.x2, line.y2);
    if (bothWays) m_lines.emplace_back(line.x2, line.y2, line.x1, line.y1);
  }
  if (!m_lines.empty()) m_painter.drawLines(m_lines.data(), static_cast<int>(m_lines.size()));
}

bool QtCanvas::WritesThinLinesDirectly() const {
  return m_pixels && m_rasterMode == RasterMode::Copy && m_kestrixPen &&
         m_kestrixPen->style == PenStyle::Solid && m_kestrixPen->width <= 1;
}


void QtCanvas::DrawEllipse(int left, int top, int right, int bottom) {
  if (StampEllipse(left, top, right, bottom)) return;
  // An outlined QRect spans width + 1 pixels, so this covers left to right.
  m_painter.drawEllipse(QRect(left, top, right - left, bottom - top));
}

// Only opaque solid pens in the copy mode, whose result does not depend on
// what lies beneath, and only small circles, whose patterns are few.
bool QtCanvas::StampEllipse(int left, int top, int right, int bottom) {
  constexpr int kLargestStamped = 32;
  if (!m_pixels || m_rasterMode != RasterMode::Copy || !m_kestrixPen ||
      m_kestrixPen->style != PenStyle::Solid || right - left > kLargestStamped ||
      bottom - top > kLargestStamped || right < left || bottom < top) {
    return false;
  }
  const Pattern* pattern = EllipsePattern(right - left, bottom - top);
  if (pattern == nullptr) return false;
  Stamp(*pattern, left, top);
  return true;
}

// Pixel by pixel checked only where the pattern reaches beyond the image.
void QtCanvas::Stamp(const Pattern& pattern, int left, int top) {
  const QRgb colour = m_pen.color().rgb();
  const QRect extent = pattern.extent.translated(left, top);
  const bool inside = m_pixels->Contains(extent.left(), extent.top()) &&
                      m_pixels->Contains(extent.right(), extent.bottom());
  for (const QPoint& offset : pattern.pixels) {
    const int x = left + offset.x();
    const int y = top + offset.y();
    if (inside || m_pixels->Contains(x, y)) m_pixels->Put(x, y, colour);
  }
}

// Drawn once by the painter in opaque white on a transparent image, with a
// margin for the pen; none when the painter left any pixel half covered.
const QtCanvas::Pattern* QtCanvas::EllipsePattern(int width, int height) {
  const PatternKey key{width, height, m_kestrixPen->width};
  if (m_lastPatternKey != key) {
    m_lastPattern = DrawnEllipsePattern(key);
    m_lastPatternKey = key;
  }
  return m_lastPattern;
}

const QtCanvas::Pattern* QtCanvas::DrawnEllipsePattern(const PatternKey& key) {
  const auto [width, height, penWidth] = key;
  auto found = m_patterns.find(key);
  if (found == m_patterns.end()) {
    const int margin = penWidth + 2;
    QImage image(width + 2 * margin + 1, height + 2 * margin + 1,
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::white, penWidth, Qt::SolidLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRect(margin, margin, width, height));
    painter.end();
    std::optional<Pattern> pattern = Pattern();
    for (int y = 0; y < image.height() && pattern; ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const int alpha = qAlpha(image.pixel(x, y));
        if (alpha == 255) {
          const QPoint offset(x - margin, y - margin);
          pattern->pixels.push_back(offset);
          pattern->extent |= QRect(offset, offset);
        }
        if (alpha != 0 && alpha != 255) pattern.reset();
        if (!pattern) break;
      }
    }
    found = m_patterns.emplace(key, std::move(pattern)).first;
  }
  return found->second ? &*found->second : nullptr;
}

void QtCanvas::SetFont(const Font& font) { m_painter.setFont(ToQFont(font)); }

void QtCanvas::SetTextColour(Rgb colour) { m_textColour = ToQColor(colour); }

void QtCanvas::DrawText(int x, int y, const std::string& text) {
  m_painter.setPen(m_textColour);
  m_painter.drawText(QPoint(x, y + m_painter.fontMetrics().ascent()), QString::fromStdString(text));
  m_painter.setPen(m_pen);
}

}  // namespace kestrix

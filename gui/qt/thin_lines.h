#pragma once
// One-pixel lines written straight into an image's pixels, the very pixels
// that Qt's raster engine sets for an aliased, solid, one pixel wide pen:
// without the painter's work per line, a paint can hold a line for every
// side of a large mesh.

#include <QImage>

namespace kestrix {

// The 32-bit pixels of an image, taken once for a whole paint.
class PixelWords {
 public:
  explicit PixelWords(QImage& image)
      : m_bits(image.bits()), m_stride(image.bytesPerLine()), m_width(image.width()),
        m_height(image.height()) {}

  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
  void Put(int x, int y, QRgb colour) const {
    reinterpret_cast<QRgb*>(m_bits + y * m_stride)[x] = colour;
  }

 private:
  uchar* m_bits;
  qsizetype m_stride;
  int m_width;
  int m_height;
};

// Both ends must lie inside the pixels.
void DrawThinLine(const PixelWords& pixels, int x1, int y1, int x2, int y2, QRgb colour);

}  // namespace kestrix

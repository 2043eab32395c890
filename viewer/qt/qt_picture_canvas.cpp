#include "qt_picture_canvas.h"

#include <QFontMetrics>
#include <QImage>
#include <QLineF>

namespace ambrel {
namespace {

constexpr int kTextPixels = 13;
constexpr int kHeadingPixels = 15;

QColor ToQColor(Rgb colour) { return QColor(colour.red, colour.green, colour.blue); }

QPen ToQPen(const Pen& pen) {
  QPen qpen(ToQColor(pen.colour), pen.width, pen.dashed ? Qt::DashLine : Qt::SolidLine);
  qpen.setCapStyle(Qt::FlatCap);
  return qpen;
}

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QtPictureCanvas::QtPictureCanvas(QPainter& painter) : painter_(painter) {
  painter_.setRenderHint(QPainter::Antialiasing, true);
  normalFont_.setPixelSize(kTextPixels);
  boldFont_.setPixelSize(kHeadingPixels);
  boldFont_.setBold(true);
}

void QtPictureCanvas::FillRect(const PixelRect& rect, Rgb colour) {
  painter_.fillRect(QRect(rect.x, rect.y, rect.width, rect.height), ToQColor(colour));
}

void QtPictureCanvas::DrawImage(int x, int y, const PixelImage& image) {
  // The image's words are 0xffRRGGBB, the layout of Format_RGB32: no copy.
  const QImage view(reinterpret_cast<const uchar*>(image.pixels.data()), image.width, image.height,
                    image.width * 4, QImage::Format_RGB32);
  painter_.drawImage(x, y, view);
}

void QtPictureCanvas::DrawSegments(const std::vector<Segment>& segments, const Pen& pen) {
  QList<QLineF> lines;
  lines.reserve(static_cast<qsizetype>(segments.size()));
  for (const Segment& s : segments) lines.append(QLineF(s.from.x, s.from.y, s.to.x, s.to.y));
  painter_.setPen(ToQPen(pen));
  painter_.drawLines(lines);
}

void QtPictureCanvas::DrawDisc(PixelPoint centre, double radius, Rgb fill, const Pen& outline) {
  painter_.setPen(ToQPen(outline));
  painter_.setBrush(ToQColor(fill));
  painter_.drawEllipse(QPointF(centre.x, centre.y), radius, radius);
  painter_.setBrush(Qt::NoBrush);
}

const QFont& QtPictureCanvas::FontOf(TextWeight weight) const {
  return weight == TextWeight::Bold ? boldFont_ : normalFont_;
}

TextExtent QtPictureCanvas::MeasureText(std::string_view text, TextWeight weight) {
  const QFontMetrics metrics(FontOf(weight), painter_.device());
  return {metrics.horizontalAdvance(ToQString(text)), metrics.height()};
}

void QtPictureCanvas::DrawText(int x, int y, std::string_view text, TextWeight weight, Rgb colour) {
  painter_.setFont(FontOf(weight));
  painter_.setPen(ToQColor(colour));
  painter_.drawText(QPointF(x, y + painter_.fontMetrics().ascent()), ToQString(text));
}

}  // namespace ambrel

#include "picture_files.h"

#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "program_name.h"
#include "qt_picture_canvas.h"

namespace ambrel {

QImage RenderPicture(ViewerWindow& logic) {
  QImage image(logic.width(), logic.height(), QImage::Format_RGB32);
  QPainter painter(&image);
  QtPictureCanvas canvas(painter);
  logic.Paint(canvas);
  return image;
}

bool SavePng(ViewerWindow& logic, const QString& path) {
  return RenderPicture(logic).save(path, "PNG");
}

bool SavePdf(ViewerWindow& logic, const QString& path) {
  // QPdfWriter reports no failure to open its file; try it first.
  if (!QFile(path).open(QIODevice::WriteOnly)) return false;
  QPdfWriter writer(path);
  writer.setResolution(72);
  writer.setPageSize(QPageSize(QSizeF(logic.width(), logic.height()), QPageSize::Point));
  writer.setPageMargins(QMarginsF(0, 0, 0, 0));
  writer.setCreator(kProgramName);
  QPainter painter;
  if (!painter.begin(&writer)) return false;
  QtPictureCanvas canvas(painter);
  logic.Paint(canvas);
  return painter.end();
}

}  // namespace ambrel

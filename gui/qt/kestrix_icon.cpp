#include "kestrix_icon.h"

#include <QPainter>
#include <QPixmap>

namespace kestrix {

QIcon KestrixIcon() {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::black);
  QPainter painter(&pixmap);
  painter.setPen(QPen(QColor(0, 255, 0), 1));
  for (int k = 0; k <= 4; ++k) {
    painter.drawLine(4 + 6 * k, 8, 4 + 6 * k, 24);
    if (k <= 2) painter.drawLine(4, 8 + 8 * k, 28, 8 + 8 * k);
  }
  painter.setPen(QPen(QColor(255, 97, 0), 2));
  painter.drawLine(4, 24, 28, 28);
  painter.setPen(QPen(QColor(255, 255, 0), 1));
  painter.drawLine(1, 6, 4, 8);
  painter.drawLine(1, 10, 4, 8);
  return QIcon(pixmap);
}

}  // namespace kestrix

#include "client_area.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "qt_canvas.h"

namespace kestrix {

ClientArea::ClientArea(QWidget* parent) : QWidget(parent) {
  setObjectName("clientArea");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::CrossCursor);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
}

QImage ClientArea::Render() {
  QImage image(size(), QImage::Format_RGB32);
  QPainter painter(&image);
  QtCanvas canvas(painter);
  if (logic_ != nullptr) logic_->Paint(canvas);
  return image;
}

void ClientArea::paintEvent(QPaintEvent*) {
  const QImage image = Render();
  QPainter(this).drawImage(0, 0, image);
}

void ClientArea::resizeEvent(QResizeEvent*) {
  if (logic_ != nullptr) logic_->OnSize(width(), height());
}

void ClientArea::mousePressEvent(QMouseEvent* event) {
  if (logic_ == nullptr || event->button() != Qt::LeftButton) return;
  const QPoint p = event->position().toPoint();
  logic_->OnLeftButtonDown(p.x(), p.y());
}

void ClientArea::mouseMoveEvent(QMouseEvent* event) {
  if (logic_ == nullptr) return;
  const QPoint p = event->position().toPoint();
  logic_->OnMouseMove(p.x(), p.y());
}

// Only the vertical wheel zooms; one event is one step.
void ClientArea::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  if (logic_ == nullptr || delta == 0) return;
  const QPoint p = event->position().toPoint();
  logic_->OnWheel(p.x(), p.y(), delta);
}

void ClientArea::keyPressEvent(QKeyEvent* event) {
  if (logic_ == nullptr) return;
  if (event->key() == Qt::Key_Escape) {
    logic_->OnChar(27);
  } else if (const QString text = event->text(); text.size() == 1) {
    logic_->OnChar(text.front().unicode());
  }
}

}  // namespace kestrix

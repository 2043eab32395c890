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

void ClientArea::Repaint() {
  update();
  emit EventHandled();
}

void ClientArea::FullRepaint() { Repaint(); }

QImage ClientArea::Render() {
  QImage image(size(), QImage::Format_RGB32);
  QPainter painter(&image);
  QtCanvas canvas(painter);
  if (m_logic != nullptr) m_logic->Paint(canvas);
  return image;
}

void ClientArea::paintEvent(QPaintEvent*) {
  const QImage image = Render();
  QPainter(this).drawImage(0, 0, image);
  emit EventHandled();
}

void ClientArea::resizeEvent(QResizeEvent*) {
  if (m_logic != nullptr) m_logic->OnSize(width(), height());
}

void ClientArea::mousePressEvent(QMouseEvent* event) {
  if (m_logic == nullptr || event->button() != Qt::LeftButton) return;
  const QPoint p = event->position().toPoint();
  m_logic->OnLeftButtonDown(p.x(), p.y());
  emit EventHandled();
}

void ClientArea::mouseMoveEvent(QMouseEvent* event) {
  if (m_logic == nullptr) return;
  const QPoint p = event->position().toPoint();
  m_logic->OnMouseMove(p.x(), p.y());
  emit EventHandled();
}

// Only the vertical wheel zooms; one event is one step.
void ClientArea::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  if (m_logic == nullptr || delta == 0) return;
  const QPoint p = event->position().toPoint();
  m_logic->OnWheel(p.x(), p.y(), delta);
  emit EventHandled();
}

void ClientArea::keyPressEvent(QKeyEvent* event) {
  if (m_logic == nullptr) return;
  if (event->key() == Qt::Key_Escape) {
    m_logic->OnChar(27);
  } else if (const QString text = event->text(); text.size() == 1) {
    m_logic->OnChar(text.front().unicode());
  }
  emit EventHandled();
}

}  // namespace kestrix

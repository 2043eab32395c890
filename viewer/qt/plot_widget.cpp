#include "plot_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "colour_bar.h"
#include "qt_picture_canvas.h"

namespace ambrel {

PlotWidget::PlotWidget(ViewerWindow& logic, QWidget* parent) : QWidget(parent), logic_(logic) {
  setObjectName("plot");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setCursor(Qt::CrossCursor);
  setMinimumSize(kColourBarWidth + 100, 200);
}

void PlotWidget::Changed() {
  update();
  if (onChange_) onChange_();
}

void PlotWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QtPictureCanvas canvas(painter);
  logic_.Paint(canvas);
}

void PlotWidget::resizeEvent(QResizeEvent*) {
  logic_.OnSize(width(), height());
  Changed();
}

void PlotWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint p = event->position().toPoint();
  logic_.OnButtonDown(p.x(), p.y());
  setCursor(Qt::ClosedHandCursor);
}

void PlotWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  logic_.OnMouseMove(p.x(), p.y());
  Changed();
}

void PlotWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  logic_.OnButtonUp();
  setCursor(Qt::CrossCursor);
}

void PlotWidget::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  if (delta == 0) return;
  const QPoint p = event->position().toPoint();
  logic_.OnWheel(p.x(), p.y(), delta);
  Changed();
}

void PlotWidget::leaveEvent(QEvent*) {
  logic_.OnMouseLeave();
  if (onChange_) onChange_();
}

}  // namespace ambrel

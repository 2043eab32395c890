#pragma once
// The main window's client area: it paints the logic's picture through an
// off-screen image copied in one step, and passes size, mouse, wheel and key
// events on to the logic, telling after each that the window may have changed.

#include <QWidget>

#include "main_window.h"
#include "repaint_requests.h"

namespace kestrix {

class ClientArea : public QWidget, public RepaintRequests {
  Q_OBJECT

 public:
  explicit ClientArea(QWidget* parent);
  // The logic is attached once it exists; it must outlive the events.
  void Attach(MainWindow& logic) { m_logic = &logic; }

  // Each also tells that the window has changed, so that the status bar
  // follows the model at once.
  void Repaint() override;
  void FullRepaint() override;

 signals:
  // After a repaint request, a paint and every mouse, wheel and key event
  // passed on.
  void EventHandled();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QImage Render();

  MainWindow* m_logic = nullptr;
};

}  // namespace kestrix

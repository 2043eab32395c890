#pragma once
// The widget that shows the picture: it paints the logic's picture and
// passes size, mouse and wheel events on to it.

#include <QWidget>
#include <functional>

#include "viewer_window.h"

namespace ambrel {

class PlotWidget : public QWidget {
  Q_OBJECT

 public:
  PlotWidget(ViewerWindow& logic, QWidget* parent);
  // Called after every event that changed the view or the cursor.
  void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void Changed();

  ViewerWindow& logic_;
  std::function<void()> onChange_;
};

}  // namespace ambrel

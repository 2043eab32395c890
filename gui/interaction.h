#pragma once
// What a left click means in the main window: the interaction mode with its
// two-click gestures (pan, zoom window, rectangle picks), the rubber band they
// span, and the mouse wheel zoom.

#include "model.h"
#include "view_transform.h"

namespace kestrix {

enum class InteractionMode {
  Idle = 0,
  Pan = 1,
  ZoomWindow = 2,
  PickElemEdge = 3,
  PickGeoPt = 4,
  PickPolygon = 5,
  PickNode = 6,
};

class Interaction {
 public:
  InteractionMode mode() const { return m_mode; }
  int clickCount() const { return m_clickCount; }
  bool rectanglePick() const { return m_rectanglePick; }
  ScreenPoint rubberBandStart() const { return m_rubberBandStart; }
  ScreenPoint rubberBandEnd() const { return m_rubberBandEnd; }

  // A new mode keeps a gesture that is under way; StartPan begins afresh.
  void SetMode(InteractionMode mode) { m_mode = mode; }
  void StartPan();
  void SetRectanglePick(bool rectanglePick) { m_rectanglePick = rectanglePick; }

  // Each returns whether the picture has changed and must be repainted.
  bool LeftClick(ScreenPoint click, Model& model, ViewTransform& view);
  bool MouseMove(ScreenPoint position, ViewTransform& view);
  // One step of the wheel, towards the user when `delta` is not positive.
  bool Wheel(ScreenPoint cursor, int delta, ViewTransform& view) const;

  // Between the two clicks of a zoom window, and of a rectangle pick.
  bool ShowsZoomRect() const;
  bool ShowsPickRect() const;

 private:
  bool PickClick(ScreenPoint click, Model& model);
  bool IsRectanglePickMode() const;

  InteractionMode m_mode = InteractionMode::Idle;
  int m_clickCount = 0;
  ScreenPoint m_rubberBandStart;
  ScreenPoint m_rubberBandEnd;
  ScreenPoint m_panAnchor;
  bool m_rectanglePick = true;
};

}  // namespace kestrix

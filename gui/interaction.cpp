#include "interaction.h"

namespace kestrix {
namespace {

constexpr double kWheelZoomFactor = 1.1;

}  // namespace

void Interaction::StartPan() {
  m_mode = InteractionMode::Pan;
  m_clickCount = 0;
}

bool Interaction::IsRectanglePickMode() const {
  return m_mode == InteractionMode::PickElemEdge || m_mode == InteractionMode::PickNode;
}

bool Interaction::LeftClick(ScreenPoint click, Model& model, ViewTransform& view) {
  const int n = ++m_clickCount;
  switch (m_mode) {
    case InteractionMode::Idle:
      m_clickCount = 0;
      return false;
    case InteractionMode::Pan:
      if (n == 1) m_panAnchor = click;
      if (n != 2) return false;
      view.Pan(click.x - m_panAnchor.x, click.y - m_panAnchor.y);
      m_clickCount = 0;
      return true;
    case InteractionMode::ZoomWindow:
      if (n == 1) m_rubberBandStart = click;
      if (n != 2) return false;
      m_rubberBandEnd = click;
      m_clickCount = 0;
      view.ZoomToWindow(m_rubberBandStart.x, m_rubberBandStart.y, click.x, click.y);
      return true;
    case InteractionMode::PickGeoPt:
      model.PickGeoPtAt(click.x, click.y);
      m_clickCount = 0;
      return true;
    case InteractionMode::PickPolygon:
      model.PickPolygonAt(click.x, click.y);
      m_clickCount = 0;
      return true;
    case InteractionMode::PickElemEdge:
    case InteractionMode::PickNode:
      return PickClick(click, model);
  }
  return false;
}

// Nodes and edges: a point pick at once, or a rectangle over two clicks. The
// second click completes a rectangle even if point pick was chosen meanwhile.
bool Interaction::PickClick(ScreenPoint click, Model& model) {
  const bool nodes = m_mode == InteractionMode::PickNode;
  if (m_clickCount == 1) {
    if (m_rectanglePick) {
      m_rubberBandStart = click;
      return false;
    }
    nodes ? model.PickNodeAt(click.x, click.y) : model.PickEdgesAt(click.x, click.y);
  } else if (m_clickCount == 2) {
    m_rubberBandEnd = click;
    const ScreenPoint start = m_rubberBandStart;
    nodes ? model.PickNodesInRectangle(start.x, start.y, click.x, click.y)
          : model.PickEdgesInRectangle(start.x, start.y, click.x, click.y);
  } else {
    return false;
  }
  m_clickCount = 0;
  return true;
}

bool Interaction::MouseMove(ScreenPoint position, ViewTransform& view) {
  if (m_clickCount != 1) return false;
  switch (m_mode) {
    case InteractionMode::Pan:
      view.Pan(position.x - m_panAnchor.x, position.y - m_panAnchor.y);
      m_panAnchor = position;
      return true;
    case InteractionMode::ZoomWindow:
      m_rubberBandEnd = position;
      return true;
    case InteractionMode::PickElemEdge:
    case InteractionMode::PickNode:
      if (!m_rectanglePick) return false;
      m_rubberBandEnd = position;
      return true;
    default:
      return false;
  }
}

// Picking modes other than nodes keep the view steady under the wheel.
bool Interaction::Wheel(ScreenPoint cursor, int delta, ViewTransform& view) const {
  if (m_mode == InteractionMode::PickElemEdge || m_mode == InteractionMode::PickGeoPt ||
      m_mode == InteractionMode::PickPolygon) {
    return false;
  }
  const double scale =
      delta > 0 ? view.scale() * kWheelZoomFactor : view.scale() / kWheelZoomFactor;
  view.ZoomAt(cursor.x, cursor.y, scale);
  return true;
}

bool Interaction::ShowsZoomRect() const {
  return m_mode == InteractionMode::ZoomWindow && m_clickCount == 1;
}

bool Interaction::ShowsPickRect() const {
  return IsRectanglePickMode() && m_rectanglePick && m_clickCount == 1;
}

}  // namespace kestrix

#include "interaction.h"

namespace kestrix {
namespace {

constexpr double kWheelZoomFactor = 1.1;

}  // namespace

void Interaction::StartPan() {
  mode_ = InteractionMode::Pan;
  clickCount_ = 0;
}

bool Interaction::IsRectanglePickMode() const {
  return mode_ == InteractionMode::PickElemEdge || mode_ == InteractionMode::PickNode;
}

bool Interaction::LeftClick(ScreenPoint click, Model& model, ViewTransform& view) {
  const int n = ++clickCount_;
  switch (mode_) {
    case InteractionMode::Idle:
      clickCount_ = 0;
      return false;
    case InteractionMode::Pan:
      if (n == 1) panAnchor_ = click;
      if (n != 2) return false;
      view.Pan(click.x - panAnchor_.x, click.y - panAnchor_.y);
      clickCount_ = 0;
      return true;
    case InteractionMode::ZoomWindow:
      if (n == 1) rubberBandStart_ = click;
      if (n != 2) return false;
      rubberBandEnd_ = click;
      clickCount_ = 0;
      view.ZoomToWindow(rubberBandStart_.x, rubberBandStart_.y, click.x, click.y);
      return true;
    case InteractionMode::PickGeoPt:
      model.PickGeoPtAt(click.x, click.y);
      clickCount_ = 0;
      return true;
    case InteractionMode::PickPolygon:
      model.PickPolygonAt(click.x, click.y);
      clickCount_ = 0;
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
  const bool nodes = mode_ == InteractionMode::PickNode;
  if (clickCount_ == 1) {
    if (rectanglePick_) {
      rubberBandStart_ = click;
      return false;
    }
    nodes ? model.PickNodeAt(click.x, click.y) : model.PickEdgesAt(click.x, click.y);
  } else if (clickCount_ == 2) {
    rubberBandEnd_ = click;
    const ScreenPoint start = rubberBandStart_;
    nodes ? model.PickNodesInRectangle(start.x, start.y, click.x, click.y)
          : model.PickEdgesInRectangle(start.x, start.y, click.x, click.y);
  } else {
    return false;
  }
  clickCount_ = 0;
  return true;
}

bool Interaction::MouseMove(ScreenPoint position, ViewTransform& view) {
  if (clickCount_ != 1) return false;
  switch (mode_) {
    case InteractionMode::Pan:
      view.Pan(position.x - panAnchor_.x, position.y - panAnchor_.y);
      panAnchor_ = position;
      return true;
    case InteractionMode::ZoomWindow:
      rubberBandEnd_ = position;
      return true;
    case InteractionMode::PickElemEdge:
    case InteractionMode::PickNode:
      if (!rectanglePick_) return false;
      rubberBandEnd_ = position;
      return true;
    default:
      return false;
  }
}

// Picking modes other than nodes keep the view steady under the wheel.
bool Interaction::Wheel(ScreenPoint cursor, int delta, ViewTransform& view) const {
  if (mode_ == InteractionMode::PickElemEdge || mode_ == InteractionMode::PickGeoPt ||
      mode_ == InteractionMode::PickPolygon) {
    return false;
  }
  const double scale =
      delta > 0 ? view.Scale() * kWheelZoomFactor : view.Scale() / kWheelZoomFactor;
  view.ZoomAt(cursor.x, cursor.y, scale);
  return true;
}

bool Interaction::ShowsZoomRect() const {
  return mode_ == InteractionMode::ZoomWindow && clickCount_ == 1;
}

bool Interaction::ShowsPickRect() const {
  return IsRectanglePickMode() && rectanglePick_ && clickCount_ == 1;
}

}  // namespace kestrix

#include <algorithm>

#include "edge_pick.h"
#include "model.h"
#include "screen_mapping.h"

namespace kestrix {

namespace {

// The model rectangle under two client pixels given in any order.
struct PickRectangle {
  ModelPosition upperLeft;
  ModelPosition lowerRight;

  // Strictly inside; a point on the border is outside.
  bool Contains(ModelPosition p) const {
    return upperLeft.x < p.x && p.x < lowerRight.x && lowerRight.y < p.y && p.y < upperLeft.y;
  }
};

PickRectangle ToModelRectangle(const ScreenMapping& view, int x1, int y1, int x2, int y2) {
  return {view.ModelFromScreen(std::min(x1, x2), std::min(y1, y2)),
          view.ModelFromScreen(std::max(x1, x2), std::max(y1, y2))};
}

// The point nearest to p in newest-first order: among equally near points the
// newest wins. None when no distance is below 1e20 (non-finite coordinates).
ModelPoint* NearestPoint(EntityList<ModelPoint>& points, ModelPosition p) {
  ModelPoint* nearest = nullptr;
  double best = 1e20;
  for (ModelPoint& point : points) {
    const double distance = point.DistanceTo(p);
    if (distance < best) {
      best = distance;
      nearest = &point;
    }
  }
  return nearest;
}

// An edge picked by a click lies within 5 pixels of it on screen; its mapped
// ends are within a pixel of their exact places. Farther than this, no edge
// is picked.
constexpr int kEdgeReachPixels = 7;

// The model box around a click that holds everything within `reach` pixels of it.
struct ModelNeighbourhood {
  double xmin, xmax, ymin, ymax;

  // Whether the box spanned by a and b lies wholly outside; never for a
  // coordinate that is not a number, which is left to the exact test.
  bool Excludes(ModelPosition a, ModelPosition b) const {
    return (a.x < xmin && b.x < xmin) || (a.x > xmax && b.x > xmax) ||
           (a.y < ymin && b.y < ymin) || (a.y > ymax && b.y > ymax);
  }
};

ModelNeighbourhood NeighbourhoodOf(const ScreenMapping& view, int px, int py, int reach) {
  const ModelPosition a = view.ModelFromScreen(px - reach, py - reach);
  const ModelPosition b = view.ModelFromScreen(px + reach, py + reach);
  return {std::min(a.x, b.x), std::max(a.x, b.x), std::min(a.y, b.y), std::max(a.y, b.y)};
}

ScreenPoint ToScreen(const ScreenMapping& view, const ModelPoint& point) {
  return view.ModelToScreen(point.x, point.y);
}

}  // namespace

void Model::PickNodeAt(int px, int py) {
  if (m_view == nullptr) return;
  if (ModelPoint* node = NearestPoint(m_nodes, m_view->ModelFromScreen(px, py))) {
    node->selected = !node->selected;
  }
}

void Model::PickNodesInRectangle(int x1, int y1, int x2, int y2) {
  if (m_view == nullptr) return;
  const PickRectangle rectangle = ToModelRectangle(*m_view, x1, y1, x2, y2);
  for (ModelPoint& node : m_nodes) {
    if (rectangle.Contains(node.position())) node.selected = !node.selected;
  }
}

void Model::PickEdgesAt(int px, int py) {
  if (m_view == nullptr) return;
  const ModelNeighbourhood near = NeighbourhoodOf(*m_view, px, py, kEdgeReachPixels);
  for (ElemEdge& edge : m_edges) {
    if (near.Excludes(edge.a.position(), edge.b.position())) continue;
    if (ClickPicksEdge({px, py}, ToScreen(*m_view, edge.a), ToScreen(*m_view, edge.b))) {
      ToggleEdge(edge);
    }
  }
}

void Model::PickEdgesInRectangle(int x1, int y1, int x2, int y2) {
  if (m_view == nullptr) return;
  const PickRectangle rectangle = ToModelRectangle(*m_view, x1, y1, x2, y2);
  for (ElemEdge& edge : m_edges) {
    if (rectangle.Contains(edge.a.position()) && rectangle.Contains(edge.b.position())) {
      ToggleEdge(edge);
    }
  }
}

void Model::PickGeoPtAt(int px, int py) {
  if (m_view == nullptr) return;
  ModelPoint* point = NearestPoint(m_geoPoints, m_view->ModelFromScreen(px, py));
  if (point == nullptr || point->selected) return;
  point->selected = true;
  m_pickedPoints.Insert(*point);
}

void Model::PickPolygonAt(int px, int py) {
  if (m_view == nullptr) return;
  const ModelPosition p = m_view->ModelFromScreen(px, py);
  for (Polygon& polygon : m_polygons) {
    if (polygon.Contains(p)) polygon.selected = !polygon.selected;
  }
}

void Model::ClearSelection() {
  m_nodes.ClearSelected();
  m_polygons.ClearSelected();
  m_geoPoints.ClearSelected();
  DeselectEdges();
}

void Model::ToggleEdge(ElemEdge& edge) {
  edge.selected = !edge.selected;
  m_selectedEdgeCount += edge.selected ? 1 : -1;
}

void Model::DeselectEdges() {
  m_edges.ClearSelected();
  m_selectedEdgeCount = 0;
}

}  // namespace kestrix

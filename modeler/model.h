#pragma once

#include <memory>
#include <ranges>
#include <span>
#include <utility>
#include <vector>

#include "bounding_box.h"
#include "constraint.h"
#include "distributed_load.h"
#include "elem_edge.h"
#include "element.h"
#include "element_outline.h"
#include "entity_list.h"
#include "mesh_sides.h"
#include "mesh_clearing.h"
#include "model_point.h"
#include "nodal_force.h"
#include "node_reaction.h"
#include "notifier.h"
#include "polygon.h"

namespace kestrix {

class EdgeIndex;
class NodeIndex;
class ScreenMapping;

// Everything Kestrix knows about the plate being prepared: material, geometry,
// mesh, supports and loads, the current selection and, after a solve, the
// nodal displacements. Entities accumulate; only the delete operations
// remove supports, loads and the mesh of a polygon.
class Model {
 public:
  Model();

  // Neither is owned. Picks convert pixels through the view; warnings go to
  // the notifier (standard error while none is attached).
  void AttachView(const ScreenMapping* view) { m_view = view; }
  void AttachNotifier(Notifier* notifier);
  Notifier& notifier() const { return *m_notifier; }

  // Material and thickness; any values are accepted.
  void SetMaterial(double E, double Mu, double Thick);
  double E() const { return m_E; }
  double Mu() const { return m_Mu; }
  double Thick() const { return m_Thick; }

  // Geometry.
  void CreateGeoPt(double x, double y);
  void CreatePolygonFromPickedPoints();

  // Meshes every selected four-vertex polygon into LN x WN elements, LN along
  // the side from vertex 1 to 2 and WN along the side from vertex 1 to 4. A
  // polygon that already holds elements is not meshed again: a warning.
  void MeshSelectedPolygons(int LN, int WN);

  // Picks at client pixels; each toggles or selects as its name says.
  void PickNodeAt(int px, int py);
  void PickNodesInRectangle(int x1, int y1, int x2, int y2);
  void PickEdgesAt(int px, int py);
  void PickEdgesInRectangle(int x1, int y1, int x2, int y2);
  void PickGeoPtAt(int px, int py);
  void PickPolygonAt(int px, int py);
  void ClearSelection();
  void DeselectPolygons() { m_polygons.ClearSelected(); }

  // Supports and loads on the selected nodes or edges; each application adds
  // records and consumes the selection.
  void ApplyConstraint(bool UX, bool UY);
  void ApplyForce(double Fx, double Fy);
  void ApplyDistributedLoad(double qi, double qj);
  // Removes the constraints and forces on the selected nodes and the edge
  // loads on the selected edges; the selection stays.
  DeletedLoads DeleteLoadsOnSelection();
  // Removes the elements whose centres lie inside any of `polygons`, with
  // their nodes, edges, constraints, forces and edge loads, and numbers the
  // nodes that stay 0, 1, ... in their order. Refused, with nothing changed,
  // when one of those nodes also belongs to an element that stays. Earlier
  // displacements then belong to another node array: the model is unsolved.
  MeshClearing ClearPolygonMeshes(std::span<const Polygon> polygons);
  // Recompute a load-arrow scale: the model length that the drawing gives
  // one unit of force, and one unit of edge-load intensity.
  void ComputeForceScale();
  void ComputeDistributedLoadScale();
  double forceScale() const { return m_VisualScaleofForce; }
  double loadScale() const { return m_VisualScaleofDisLoad; }

  // Recomputes, stores and returns the extent of nodes and geometric points.
  BoundingBox ComputeBoundingBox();
  const BoundingBox& boundingBox() const { return m_boundingBox; }
  // Mean length of all element sides, 0 without elements.
  double averageElementEdgeLength() const { return m_averageElementEdgeLength; }

  // The node list and the element outline list are the one store of the
  // mesh: node k is the k-th node made and element r the r-th outline made.
  int NPOIN() const { return m_nodes.Count(); }
  int NELEM() const { return m_elementOutlines.Count(); }
  int nodesPerElement() const { return kNodesPerElement; }
  int dofsPerNode() const { return kDofsPerNode; }
  // Node k at index k.
  std::span<const ModelPoint> nodeArray() const { return m_nodes.InsertionOrder(); }
  // Row r is element r.
  auto connectivity() const {
    return m_elementOutlines.InsertionOrder() | std::views::transform(&ElementOutline::NodeNumbers);
  }
  // The sides of the elements, each pair of nodes once (see UniqueSides and
  // EdgesAlongOutlines); found on first use after the mesh changed and
  // shared by copies.
  const MeshSides& meshSides() const;
  // The memory of the sides once found; 0 before.
  std::size_t meshSidesBytes() const { return m_meshSides ? m_meshSides->bytes() : 0; }
  // u_x of node k at index 2k, u_y at 2k + 1.
  const std::vector<double>& displacements() const { return m_displacements; }
  bool solved() const { return m_solved; }
  // The support reactions of the last solve, one per fixed node in node order;
  // empty when none were read.
  const std::vector<NodeReaction>& reactions() const { return m_reactions; }
  // The nodes with at least one fixed direction, in node order.
  std::vector<int> FixedNodes() const;

  const EntityList<ModelPoint>& nodes() const { return m_nodes; }
  const EntityList<ElementOutline>& elementOutlines() const { return m_elementOutlines; }
  const EntityList<ElemEdge>& edges() const { return m_edges; }
  // How many edges are selected, kept up to date by every change of the
  // selection, so that a paint need not look at every edge.
  int selectedEdgeCount() const { return m_selectedEdgeCount; }
  const EntityList<Constraint>& constraints() const { return m_constraints; }
  const EntityList<NodalForce>& forces() const { return m_forces; }
  const EntityList<DistributedLoad>& distributedLoads() const { return m_distributedLoads; }
  const EntityList<ModelPoint>& geoPoints() const { return m_geoPoints; }
  const EntityList<Polygon>& polygons() const { return m_polygons; }
  const EntityList<ModelPoint>& pickedPoints() const { return m_pickedPoints; }

  // Rebuilding a model read from a file. ReplaceMesh numbers node k after its
  // index, makes one outline per element and the unique edges between them;
  // it refuses (returns false, model unchanged) an element naming a node that
  // does not exist. The Add operations insert at the front of their lists;
  // those naming nodes refuse numbers outside the node array.
  bool ReplaceMesh(const std::vector<ModelPosition>& nodes, const std::vector<Element>& elements);
  bool AddConstraint(int node, int UX, int UY);
  bool AddForce(int node, double Fx, double Fy);
  bool AddDistributedLoad(int node_i, double qi, int node_j, double qj);
  void AddGeoPt(int number, double x, double y);
  void AddPolygon(Polygon polygon);

  // Results of a solve.
  void SetSolved(bool solved) { m_solved = solved; }
  void SetNodeDisplacement(int node, double ux, double uy);
  void ZeroDisplacements();
  void SetReactions(std::vector<NodeReaction> reactions) { m_reactions = std::move(reactions); }

 private:
  static constexpr int kDofsPerNode = 2;

  void UpdateAverageElementEdgeLength();
  bool HasElementsIn(const Polygon& polygon) const;
  void MeshPolygon(const Polygon& polygon, int LN, int WN, NodeIndex& nodes, EdgeIndex& edges);
  // Adds the outline's sides that the edge list does not hold yet.
  void InsertUniqueEdges(const ElementOutline& outline, EdgeIndex& index);
  EdgeIndex IndexEdges() const;
  void ToggleEdge(ElemEdge& edge);
  void DeselectEdges();
  bool IsNode(int node) const { return node >= 0 && node < NPOIN(); }
  void RemoveNodes(const std::vector<int>& newNumbers);
  MeshClearing SharedNodeClearing(int node, std::span<const Polygon> clearing) const;
  double ScaleForLargestLoad(double largest, const std::string& too_small,
                             const std::string& fallback) const;
  void Warn(const std::string& text) const;

  double m_E = 210000.0;
  double m_Mu = 0.3;
  double m_Thick = 1.0;
  std::vector<double> m_displacements;
  EntityList<ModelPoint> m_nodes;
  EntityList<ElementOutline> m_elementOutlines;
  EntityList<Constraint> m_constraints;
  EntityList<NodalForce> m_forces;
  EntityList<DistributedLoad> m_distributedLoads;
  EntityList<ModelPoint> m_geoPoints;
  EntityList<Polygon> m_polygons;
  EntityList<ElemEdge> m_edges;
  int m_selectedEdgeCount = 0;
  // Dropped by every change of the outlines or the edges (but for the
  // edges' selection): the outlines' selected flags are set when they are made.
  mutable std::shared_ptr<const MeshSides> m_meshSides;
  BoundingBox m_boundingBox;
  const ScreenMapping* m_view = nullptr;
  double m_VisualScaleofForce = 1.0;
  double m_VisualScaleofDisLoad = 1.0;
  double m_coincidenceTolerance = 0.0001;
  EntityList<ModelPoint> m_pickedPoints;
  double m_averageElementEdgeLength = 0.0;
  bool m_solved = false;
  std::vector<NodeReaction> m_reactions;
  Notifier* m_notifier;
};

}  // namespace kestrix

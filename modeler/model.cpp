#include "model.h"

#include <algorithm>
#include <iostream>
#include <utility>

#include "edge_index.h"

namespace kestrix {

namespace {

// The notifier a model uses until the GUI attaches its own: messages go to
// standard error rather than being lost.
class StandardErrorNotifier : public Notifier {
 public:
  void ShowMessage(const std::string& text, const std::string& caption) override {
    std::cerr << caption << ' ' << text << '\n';
  }
};

Notifier& DefaultNotifier() {
  static StandardErrorNotifier notifier;
  return notifier;
}

}  // namespace

Model::Model() : m_notifier(&DefaultNotifier()) {}

void Model::AttachNotifier(Notifier* notifier) {
  m_notifier = notifier != nullptr ? notifier : &DefaultNotifier();
}

void Model::SetMaterial(double E, double Mu, double Thick) {
  m_E = E;
  m_Mu = Mu;
  m_Thick = Thick;
}

BoundingBox Model::ComputeBoundingBox() {
  if (!m_nodes.IsEmpty()) {
    m_boundingBox = BoundingBox::At(nodeArray().front().position());
    for (const ModelPoint& node : nodeArray()) m_boundingBox.Include(node.position());
    for (const ModelPoint& point : m_geoPoints) m_boundingBox.Include(point.position());
  } else if (!m_geoPoints.IsEmpty()) {
    m_boundingBox = BoundingBox::At(m_geoPoints.Front().position());
    for (const ModelPoint& point : m_geoPoints) m_boundingBox.Include(point.position());
  } else {
    m_boundingBox = {};
  }
  m_boundingBox.WidenIfDegenerate();
  return m_boundingBox;
}

void Model::UpdateAverageElementEdgeLength() {
  if (m_elementOutlines.IsEmpty()) {
    m_averageElementEdgeLength = 0.0;
    return;
  }
  const std::span<const ModelPoint> nodes = nodeArray();
  double sum = 0.0;
  for (const Element& element : connectivity()) {
    for (int s = 0; s < kNodesPerElement; ++s) {
      const ModelPoint& from = nodes[element[s]];
      sum += from.DistanceTo(nodes[element[(s + 1) % kNodesPerElement]].position());
    }
  }
  m_averageElementEdgeLength = sum / (NELEM() * kNodesPerElement);
}

void Model::InsertUniqueEdges(const ElementOutline& outline, EdgeIndex& index) {
  const int count = outline.vertexCount();
  for (int k = 0; k < count; ++k) {
    const ElemEdge edge{.a = outline.vertices[k], .b = outline.vertices[(k + 1) % count]};
    if (index.ContainsSameEdgeAs(edge)) continue;
    m_edges.Insert(edge);
    index.Add(edge);
  }
}

EdgeIndex Model::IndexEdges() const {
  EdgeIndex index;
  for (const ElemEdge& edge : m_edges) index.Add(edge);
  return index;
}

bool Model::ReplaceMesh(const std::vector<ModelPosition>& nodes,
                        const std::vector<Element>& elements) {
  const auto names_missing_node = [&](const Element& element) {
    return std::ranges::any_of(element, [&](int n) { return n < 0 || n >= std::ssize(nodes); });
  };
  if (std::ranges::any_of(elements, names_missing_node)) return false;

  m_nodes.Clear();
  for (const ModelPosition& p : nodes) m_nodes.Insert({.x = p.x, .y = p.y, .number = NPOIN()});
  m_elementOutlines.Clear();
  m_meshSides.reset();
  for (const Element& element : elements) {
    ElementOutline outline;
    for (int k = 0; k < kNodesPerElement; ++k) outline.vertices[k] = nodeArray()[element[k]];
    m_elementOutlines.Insert(outline);
  }
  m_edges.Clear();
  m_selectedEdgeCount = 0;
  EdgeIndex edge_index;
  for (const ElementOutline& outline : m_elementOutlines) InsertUniqueEdges(outline, edge_index);

  m_displacements.assign(kDofsPerNode * nodes.size(), 0.0);
  m_solved = false;
  UpdateAverageElementEdgeLength();
  return true;
}

bool Model::AddConstraint(int node, int UX, int UY) {
  if (!IsNode(node)) return false;
  m_constraints.Insert({.UX = UX, .UY = UY, .point = nodeArray()[node]});
  return true;
}

bool Model::AddForce(int node, double Fx, double Fy) {
  if (!IsNode(node)) return false;
  m_forces.Insert({.point = nodeArray()[node], .Fx = Fx, .Fy = Fy});
  return true;
}

bool Model::AddDistributedLoad(int node_i, double qi, int node_j, double qj) {
  if (!IsNode(node_i) || !IsNode(node_j)) return false;
  m_distributedLoads.Insert(
      {.endI = nodeArray()[node_i], .endJ = nodeArray()[node_j], .qi = qi, .qj = qj});
  return true;
}

void Model::AddGeoPt(int number, double x, double y) {
  m_geoPoints.Insert({.x = x, .y = y, .number = number});
}

void Model::AddPolygon(Polygon polygon) { m_polygons.Insert(std::move(polygon)); }

void Model::SetNodeDisplacement(int node, double ux, double uy) {
  if (!IsNode(node)) return;
  m_displacements[kDofsPerNode * node] = ux;
  m_displacements[kDofsPerNode * node + 1] = uy;
}

std::vector<int> Model::FixedNodes() const {
  std::vector<bool> fixed(NPOIN(), false);
  for (const Constraint& constraint : m_constraints) {
    const int node = constraint.point.number;
    if (IsNode(node) && (constraint.UX != 0 || constraint.UY != 0)) fixed[node] = true;
  }
  std::vector<int> nodes;
  for (int node = 0; node < NPOIN(); ++node) {
    if (fixed[node]) nodes.push_back(node);
  }
  return nodes;
}

const MeshSides& Model::meshSides() const {
  if (!m_meshSides) {
    MeshSides sides = UniqueSides(m_elementOutlines.InsertionOrder(), nodeArray());
    sides.edgesAlongOutlines =
        EdgesAlongOutlines(m_elementOutlines.InsertionOrder(), m_edges.InsertionOrder());
    m_meshSides = std::make_shared<const MeshSides>(std::move(sides));
  }
  return *m_meshSides;
}

void Model::ZeroDisplacements() { std::ranges::fill(m_displacements, 0.0); }

void Model::Warn(const std::string& text) const { m_notifier->ShowMessage(text, kWarningCaption); }

}  // namespace kestrix

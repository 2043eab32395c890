// Delete on the selection: supports and loads on nodes and edges, and the
// mesh of a polygon, through the window's command and key.

#include "delete_command.h"

#include <algorithm>

#include "gui/window_fixture.h"
#include "model_file_writer.h"

namespace kestrix {
namespace {

class DeleteTest : public WindowTest {
 protected:
  // The 4 × 2 rectangle meshed 4 × 2, its left side fixed, a force on each
  // right corner and an edge load along the top.
  void BuildLoadedRectangle() {
    BuildMeshedRectangle(4, 2);
    SelectNodesIn(-0.3, 2.3, 0.3, -0.3);
    window.model().ApplyConstraint(true, true);
    SelectNodesIn(3.7, 2.3, 4.3, -0.3);
    window.model().ApplyForce(0, -10);
    SelectEdgesIn(-0.3, 2.3, 4.3, 1.7);
    window.model().ApplyDistributedLoad(5, 5);
  }

  void SelectNodesIn(double x1, double y1, double x2, double y2) {
    window.OnCommand(menu_id::kPickNode);
    Click(PixelOf(x1, y1));
    Click(PixelOf(x2, y2));
  }

  void SelectEdgesIn(double x1, double y1, double x2, double y2) {
    window.OnCommand(menu_id::kPickElemEdge);
    Click(PixelOf(x1, y1));
    Click(PixelOf(x2, y2));
  }

  // Meshes the polygon whose inside holds (x, y).
  void MeshPolygonAt(double x, double y, int LN, int WN) {
    window.OnCommand(menu_id::kPickPolygon);
    Click(PixelOf(x, y));
    window.model().MeshSelectedPolygons(LN, WN);
  }

  void SelectPolygonAt(double x, double y) {
    window.OnCommand(menu_id::kPickPolygon);
    Click(PixelOf(x, y));
  }

  // A polygon through the corners, making the points that do not exist yet.
  void AddPolygon(std::initializer_list<std::pair<double, double>> corners) {
    Model& model = window.model();
    for (const auto& [x, y] : corners) {
      const bool exists = std::ranges::any_of(model.geoPoints(), [&](const ModelPoint& p) {
        return p.x == x && p.y == y;
      });
      if (!exists) model.CreateGeoPt(x, y);
    }
    window.RefitToModel();
    window.OnCommand(menu_id::kPickGeoPt);
    for (const auto& [x, y] : corners) Click(PixelOf(x, y));
    model.CreatePolygonFromPickedPoints();
  }

  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const ShownMessage& message : platform.notifier.messages) texts.push_back(message.text);
    return texts;
  }

  // Every element, support and load names a node that exists, at the
  // position that the element or record holds for it.
  void ExpectConsistentNumbers() const {
    const Model& model = window.model();
    const auto expectNode = [&](const ModelPoint& p) {
      ASSERT_GE(p.number, 0);
      ASSERT_LT(p.number, model.NPOIN());
      EXPECT_NEAR(model.nodeArray()[p.number].x, p.x, 1e-9);
      EXPECT_NEAR(model.nodeArray()[p.number].y, p.y, 1e-9);
    };
    for (int k = 0; k < model.NPOIN(); ++k) EXPECT_EQ(model.nodeArray()[k].number, k);
    for (const ElementOutline& outline : model.elementOutlines()) {
      for (const ModelPoint& vertex : outline.vertices) expectNode(vertex);
    }
    for (const ElemEdge& edge : model.edges()) {
      expectNode(edge.a);
      expectNode(edge.b);
    }
    for (const Constraint& constraint : model.constraints()) expectNode(constraint.point);
    for (const NodalForce& force : model.forces()) expectNode(force.point);
    for (const DistributedLoad& load : model.distributedLoads()) {
      expectNode(load.endI);
      expectNode(load.endJ);
    }
  }
};

TEST_F(DeleteTest, RemovesOnlyTheSupportsAndLoadsOnTheSelection) {
  BuildLoadedRectangle();
  Model& model = window.model();
  ASSERT_EQ(model.constraints().Count(), 3);
  ASSERT_EQ(model.forces().Count(), 3);
  ASSERT_EQ(model.distributedLoads().Count(), 4);

  // The lower left node and the lower right one; the top edges' right half.
  SelectNodesIn(-0.3, 0.3, 0.3, -0.3);
  SelectNodesIn(3.7, 0.3, 4.3, -0.3);
  SelectEdgesIn(1.7, 2.3, 4.3, 1.7);
  const int repaints = platform.repaints.Total();
  window.OnCommand(menu_id::kDelete);
  EXPECT_EQ(model.constraints().Count(), 2);
  EXPECT_EQ(model.forces().Count(), 2);
  EXPECT_EQ(model.distributedLoads().Count(), 2);
  for (const NodalForce& force : model.forces()) EXPECT_GT(force.point.y, 0.5);
  for (const DistributedLoad& load : model.distributedLoads()) EXPECT_LT(load.endJ.x, 2.5);
  EXPECT_TRUE(platform.notifier.messages.empty());
  EXPECT_GT(platform.repaints.Total(), repaints);
  // The selection stays, for the loads that replace the old ones.
  EXPECT_EQ(SelectedNodeCount(), 2);

  window.OnCommand(menu_id::kDelete);
  EXPECT_EQ(Messages(), std::vector<std::string>{
                            "所选节点和单元边上没有约束、集中力或分布荷载!"});
  window.OnChar(27);
  window.OnCommand(menu_id::kDelete);
  EXPECT_EQ(Messages().back(),
            "没有可删除的内容: 请选择节点或单元边以删除其约束和荷载, 或选择多边形以清除其网格!");
}

TEST_F(DeleteTest, TheLastForceGoneResetsTheArrowScale) {
  BuildLoadedRectangle();
  SelectNodesIn(3.7, 2.3, 4.3, -0.3);
  window.OnCommand(menu_id::kDelete);
  EXPECT_EQ(window.model().forces().Count(), 0);
  EXPECT_EQ(window.model().forceScale(), 1.0);
}

TEST_F(DeleteTest, ClearingTheOnlyMeshLeavesThePolygonAndNoLoads) {
  BuildLoadedRectangle();
  Model& model = window.model();
  model.SetSolved(true);
  SelectPolygonAt(2, 1);
  window.OnCommand(menu_id::kDelete);
  EXPECT_TRUE(platform.notifier.messages.empty());
  EXPECT_EQ(model.NPOIN(), 0);
  EXPECT_EQ(model.NELEM(), 0);
  EXPECT_EQ(model.edges().Count(), 0);
  EXPECT_EQ(model.constraints().Count() + model.forces().Count() +
                model.distributedLoads().Count(),
            0);
  EXPECT_EQ(model.polygons().Count(), 1);
  EXPECT_EQ(model.polygons().CountSelected(), 0);
  EXPECT_FALSE(model.solved());
  EXPECT_TRUE(model.displacements().empty());

  // Undone, the mesh and its loads are back; the step has its name.
  window.OnCommand(menu_id::kUndo);
  EXPECT_EQ(model.NPOIN(), 15);
  EXPECT_EQ(model.constraints().Count(), 3);
  EXPECT_EQ(model.distributedLoads().Count(), 4);
  window.OnCommand(menu_id::kRedo);
  EXPECT_EQ(model.NPOIN(), 0);

  // Meshed again, it is the same mesh as the first time.
  MeshPolygonAt(2, 1, 4, 2);
  EXPECT_EQ(model.NPOIN(), 15);
  EXPECT_EQ(model.NELEM(), 8);
  ExpectConsistentNumbers();
}

TEST_F(DeleteTest, ClearingOneOfTwoSeparateMeshesRenumbersTheOther) {
  AddPolygon({{0, 0}, {1, 0}, {1, 1}, {0, 1}});
  AddPolygon({{3, 0}, {4, 0}, {4, 1}, {3, 1}});
  MeshPolygonAt(0.5, 0.5, 2, 2);
  MeshPolygonAt(3.5, 0.5, 1, 1);
  SelectNodesIn(3.7, 1.3, 4.3, -0.3);
  window.model().ApplyConstraint(true, false);
  Model& model = window.model();
  ASSERT_EQ(model.NPOIN(), 13);

  SelectPolygonAt(0.5, 0.5);
  window.OnCommand(menu_id::kDelete);
  EXPECT_EQ(model.NPOIN(), 4);
  EXPECT_EQ(model.NELEM(), 1);
  EXPECT_EQ(model.edges().Count(), 4);
  EXPECT_EQ(model.constraints().Count(), 2);
  EXPECT_EQ(model.displacements().size(), 8u);
  EXPECT_DOUBLE_EQ(model.averageElementEdgeLength(), 1.0);
  ExpectConsistentNumbers();
  const std::string file = FormatModelFile(model);
  EXPECT_NE(file.find("NELEM=1\n0,1,3,2\n"), std::string::npos) << file;
}

TEST_F(DeleteTest, AMeshSharingNodesStaysAndTheMessageSaysWhy) {
  AddPolygon({{0, 0}, {1, 0}, {1, 1}, {0, 1}});
  AddPolygon({{1, 0}, {2, 0}, {2, 1}, {1, 1}});
  AddPolygon({{5, 0}, {6, 0}, {6, 1}, {5, 1}});
  MeshPolygonAt(0.5, 0.5, 2, 2);
  MeshPolygonAt(1.5, 0.5, 2, 2);
  Model& model = window.model();
  const std::string before = FormatModelFile(model);

  SelectPolygonAt(0.5, 0.5);
  window.OnCommand(menu_id::kDelete);
  EXPECT_EQ(FormatModelFile(model), before);
  EXPECT_EQ(Messages(), std::vector<std::string>{
                            "未清除网格: 多边形0的网格与多边形1的网格共用节点, "
                            "请同时选中这两个多边形一起清除!"});
  EXPECT_EQ(model.polygons().CountSelected(), 0);

  SelectPolygonAt(5.5, 0.5);
  window.OnCommand(menu_id::kDelete);
  EXPECT_EQ(Messages().back(), "所选多边形没有网格, 无需清除!");

  // Selected together, both go.
  SelectPolygonAt(0.5, 0.5);
  SelectPolygonAt(1.5, 0.5);
  window.OnCommand(menu_id::kDelete);
  EXPECT_EQ(model.NPOIN(), 0);
  EXPECT_EQ(model.NELEM(), 0);
  EXPECT_EQ(model.edges().Count(), 0);
  EXPECT_EQ(platform.notifier.messages.size(), 2u);
}

}  // namespace
}  // namespace kestrix

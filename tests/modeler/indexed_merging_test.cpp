#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "literal_mesher.h"
#include "model.h"
#include "support/recording_notifier.h"

namespace kestrix {
namespace {

// Adds an already selected polygon, as a pick inside it would leave it.
void AddSelectedQuad(Model& model, std::vector<ModelPosition> corners) {
  std::vector<ModelPoint> vertices;
  for (ModelPosition p : corners) vertices.push_back({.x = p.x, .y = p.y});
  Polygon polygon(model.polygons().Count(), std::move(vertices));
  polygon.selected = true;
  model.AddPolygon(std::move(polygon));
}

// Meshes and checks the outcome against the whole-list scans.
void MeshAndCompare(Model& model, int LN, int WN) {
  const MeshLists expected = LiteralMesh(model, LN, WN);
  model.MeshSelectedPolygons(LN, WN);
  const MeshLists actual = ListsOf(model);
  ASSERT_EQ(actual.nodes.size(), expected.nodes.size());
  ASSERT_EQ(actual.edges.size(), expected.edges.size());
  ASSERT_TRUE(Fingerprint(actual) == Fingerprint(expected));
}

// Random quadrilaterals of several kinds: corners from a coarse lattice (exact
// shared corners and sides), lattice corners jittered by less or more than
// the tolerance, and tiny quadrilaterals whose grid points have several
// unmerged nodes within reach.
class RandomQuads {
 public:
  explicit RandomQuads(unsigned seed) : m_engine(seed) {}

  std::vector<ModelPosition> Next() {
    switch (Uniform(0, 3)) {
      case 0:
        return Lattice(0.0);
      case 1:
        return Lattice(0.00008);
      case 2:
        return Lattice(0.0003);
      default:
        return Tiny();
    }
  }

  int Uniform(int low, int high) { return std::uniform_int_distribution(low, high)(m_engine); }

 private:
  double Jitter(double amplitude) {
    return std::uniform_real_distribution(-amplitude, amplitude)(m_engine);
  }

  std::vector<ModelPosition> Lattice(double jitter) {
    const double x = Uniform(0, 3);
    const double y = Uniform(0, 3);
    const double w = Uniform(1, 2);
    const double h = Uniform(1, 2);
    std::vector<ModelPosition> corners{{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}};
    for (ModelPosition& corner : corners) {
      corner.x += Jitter(jitter);
      corner.y += Jitter(jitter);
    }
    return corners;
  }

  std::vector<ModelPosition> Tiny() {
    const double x = Jitter(0.0004);
    const double y = Jitter(0.0004);
    return {{x, y}, {x + 0.0003 + Jitter(0.0001), y}, {x + 0.0003, y + 0.0004}, {x, y + 0.0002}};
  }

  std::mt19937 m_engine;
};

TEST(IndexedMerging, AgreesWithWholeListScansOnRandomPolygons) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    SCOPED_TRACE(seed);
    RandomQuads quads(seed);
    Model model;
    RecordingNotifier overlapsRefused;  // random polygons overlap meshed ones
    model.AttachNotifier(&overlapsRefused);
    for (int call = 0; call < 4; ++call) {
      const int polygons = quads.Uniform(1, 3);
      for (int i = 0; i < polygons; ++i) AddSelectedQuad(model, quads.Next());
      MeshAndCompare(model, quads.Uniform(1, 6), quads.Uniform(1, 6));
    }
  }
}

TEST(IndexedMerging, NewestOfSeveralNearbyNodesWins) {
  Model model;
  ASSERT_TRUE(model.ReplaceMesh({{0, 0}, {0.00015, 0}, {0.00007, 0.00001}}, {}));
  AddSelectedQuad(model, {{0.00008, 0}, {1, 0}, {1, 1}, {0, 1}});
  MeshAndCompare(model, 1, 1);
  EXPECT_EQ(model.connectivity()[0][0], 2);
}

TEST(IndexedMerging, FindsNodesAcrossCellBordersAndFarFromTheOrigin) {
  for (double base : {0.0, 0.0004, -0.0004, 1e6, -3.7e9, 1e13}) {
    SCOPED_TRACE(base);
    Model model;
    ASSERT_TRUE(model.ReplaceMesh({{base - 0.00004, base + 0.00004}}, {}));
    AddSelectedQuad(model, {{base + 0.00004, base - 0.00004},
                            {base + 1, base},
                            {base + 1, base + 1},
                            {base, base + 1}});
    MeshAndCompare(model, 2, 2);
  }
}

TEST(IndexedMerging, EdgesWithEndsWithinTheCoincidenceRadiusAreShared) {
  Model model;
  AddSelectedQuad(model, {{0, 0}, {1, 0}, {1, 1}, {0, 1}});
  MeshAndCompare(model, 1, 1);
  AddSelectedQuad(model, {{0, -1}, {1, -1}, {1, 0}, {4e-16, -3e-16}});
  MeshAndCompare(model, 1, 1);
  EXPECT_EQ(model.edges().Count(), 7);
}

TEST(IndexedMerging, NonFiniteCornersNeverMerge) {
  Model model;
  AddSelectedQuad(model, {{0, 0}, {1, 0}, {1, 1}, {std::nan(""), 1}});
  MeshAndCompare(model, 1, 1);
  AddSelectedQuad(model, {{0, 0}, {1, 0}, {1, 1}, {std::nan(""), 1}});
  MeshAndCompare(model, 1, 1);
}

}  // namespace
}  // namespace kestrix

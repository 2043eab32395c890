// Element matrices computed side by side in vector lanes must carry, on and
// above the diagonal, the very bits of the plain ElementStiffness, whatever
// the element: distorted, clockwise, at the ends of the exponent range,
// degenerate, and next to lanes that hold any of these. NaN entries only need
// to be NaN in both.

#include "fast/element_batch.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "fast/assembly_fast.h"
#include "method/band_size.h"
#include "test_models.h"

namespace solvane {
namespace {

using testing::MeshModel;

struct Quad {
  CornerCoords corners;
};

struct Material {
  DMatrix D;
  double thick;
};

Material Steel() {
  Material m;
  ElasticityMatrix(210000.0, 0.3, m.D);
  m.thick = 12.5;
  return m;
}

bool SameBits(double a, double b) {
  if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// "" when every entry on and above the diagonal of ke has the bits of want,
// else the first that does not.
std::string FirstDifference(const ElementMatrix ke, const ElementMatrix want) {
  for (int i = 0; i < kDofPerElement; ++i) {
    for (int j = i; j < kDofPerElement; ++j) {
      if (!SameBits(ke[i][j], want[i][j])) {
        return "entry [" + std::to_string(i) + "][" + std::to_string(j) + "]: " + std::to_string(ke[i][j]) +
               " instead of " + std::to_string(want[i][j]);
      }
    }
  }
  return "";
}

// Runs the elements through the batch in every rotation, so that each element
// sits in every lane beside different neighbours, and compares each lane with
// the element's own scalar matrix.
void ExpectBatchGivesScalarBits(const std::vector<Quad>& quads, const Material& m) {
  const int count = static_cast<int>(quads.size());
  ASSERT_GE(count, kElementBatchLanes);
  for (int first = 0; first < count; ++first) {
    CornerCoords corners[kElementBatchLanes];
    ElementMatrix matrices[kElementBatchLanes];
    ElementMatrix* ke[kElementBatchLanes];
    for (int l = 0; l < kElementBatchLanes; ++l) {
      for (int k = 0; k < kNodesPerElement; ++k) corners[l][k] = quads[(first + l) % count].corners[k];
      ke[l] = &matrices[l];
      // Leftovers of an earlier batch must not show through.
      for (auto& row : matrices[l]) {
        for (double& v : row) v = 7.0;
      }
    }
    UpperStiffnessBatch(corners, m.D, m.thick, ke);
    for (int l = 0; l < kElementBatchLanes; ++l) {
      ElementMatrix want;
      ElementStiffness(corners[l], m.D, m.thick, want);
      EXPECT_EQ(FirstDifference(matrices[l], want), "")
          << "element " << (first + l) % count << " in lane " << l;
    }
  }
}

// A unit square with every corner moved by up to 0.35 in each direction, then
// scaled and shifted; counter-clockwise.
Quad DistortedQuad(std::mt19937_64& random, double scale) {
  std::uniform_real_distribution<double> jitter(-0.35, 0.35);
  std::uniform_real_distribution<double> shift(-50.0, 50.0);
  const double dx = shift(random);
  const double dy = shift(random);
  Quad q;
  for (int k = 0; k < kNodesPerElement; ++k) {
    q.corners[k].x = (dx + (kCornerXi[k] + 1.0) / 2.0 + jitter(random)) * scale;
    q.corners[k].y = (dy + (kCornerEta[k] + 1.0) / 2.0 + jitter(random)) * scale;
  }
  return q;
}

Quad Clockwise(Quad q) {
  std::swap(q.corners[1], q.corners[3]);
  return q;
}

std::vector<Quad> DistortedQuads(int count, double scale, unsigned seed) {
  std::mt19937_64 random(seed);
  std::vector<Quad> quads;
  for (int i = 0; i < count; ++i) quads.push_back(DistortedQuad(random, scale));
  return quads;
}

// Whether any entry of the scalar matrix passes `test`.
bool AnyEntry(const Quad& q, const Material& m, bool (*test)(double)) {
  ElementMatrix ke;
  ElementStiffness(q.corners, m.D, m.thick, ke);
  for (const auto& row : ke) {
    for (double v : row) {
      if (test(v)) return true;
    }
  }
  return false;
}

bool IsNotFinite(double v) { return !std::isfinite(v); }
bool IsNan(double v) { return std::isnan(v); }

// Elements whose mapping breaks down somewhere: three corners on a line, two
// corners on one point, all four on one point (detJ 0 everywhere).
std::vector<Quad> DegenerateQuads() {
  return {
      {{{0.0, 0.0}, {1.0, 0.0}, {2.0, 0.0}, {0.3, 1.1}}},
      {{{0.0, 0.0}, {1.5, 0.5}, {3.0, 1.0}, {0.2, 1.0}}},
      {{{0.0, 0.0}, {1.0, 0.0}, {1.0, 0.0}, {0.0, 1.0}}},
      {{{2.5, -1.0}, {2.5, -1.0}, {2.5, -1.0}, {2.5, -1.0}}},
      {{{0.0, 0.0}, {0.0, 0.0}, {0.0, 0.0}, {0.0, 0.0}}},
  };
}

// Coordinates whose products overflow or underflow: detJ infinite, subnormal
// or zero, and mixtures of infinite and zero inverse Jacobians.
std::vector<Quad> ExtremeQuads() {
  std::vector<Quad> quads;
  unsigned seed = 11;
  for (double scale : {1e150, 1e154, 1e160, 1e200, 1e-150, 1e-160, 1e-170, 1e-300, 4.9e-324}) {
    for (const Quad& q : DistortedQuads(3, scale, seed++)) quads.push_back(q);
  }
  quads.push_back({{{0.0, 0.0}, {1e300, 0.0}, {1e300, 1e-300}, {0.0, 1e-300}}});
  quads.push_back({{{-1e308, -1e308}, {1e308, -1e308}, {1e308, 1e308}, {-1e308, 1e308}}});
  return quads;
}

TEST(ElementStiffnessBatch, RandomDistortedElementsGiveTheScalarBits) {
  const Material m = Steel();
  const std::vector<Quad> quads = DistortedQuads(203, 1.0, 1);
  ExpectBatchGivesScalarBits(quads, m);
}

TEST(ElementStiffnessBatch, OtherMaterialsAndScalesGiveTheScalarBits) {
  Material m;
  ElasticityMatrix(3.7e4, 0.4999, m.D);
  m.thick = 0.013;
  ExpectBatchGivesScalarBits(DistortedQuads(41, 1234.5, 2), m);
  ExpectBatchGivesScalarBits(DistortedQuads(41, 3e-4, 3), m);
}

TEST(ElementStiffnessBatch, ClockwiseElementsGiveTheScalarBits) {
  const Material m = Steel();
  std::vector<Quad> quads;
  for (const Quad& q : DistortedQuads(37, 2.0, 4)) quads.push_back(Clockwise(q));
  // The determinant must be negative for the magnitude to matter.
  ASSERT_LT(ElementGeometry(quads[0].corners, ShapeFunctions(0.0, 0.0)).detJ, 0.0);
  ExpectBatchGivesScalarBits(quads, m);
}

TEST(ElementStiffnessBatch, HugeAndTinyCoordinatesGiveTheScalarBits) {
  const Material m = Steel();
  const std::vector<Quad> quads = ExtremeQuads();
  int nonFinite = 0;
  for (const Quad& q : quads) nonFinite += AnyEntry(q, m, IsNotFinite);
  ASSERT_GT(nonFinite, 0);
  ASSERT_LT(nonFinite, static_cast<int>(quads.size()));
  ExpectBatchGivesScalarBits(quads, m);
}

TEST(ElementStiffnessBatch, DegenerateElementsGiveTheScalarBits) {
  const Material m = Steel();
  const std::vector<Quad> quads = DegenerateQuads();
  ASSERT_EQ(ElementGeometry(quads[3].corners, ShapeFunctions(0.1, -0.2)).detJ, 0.0);
  ASSERT_TRUE(AnyEntry(quads[3], m, IsNan));
  ExpectBatchGivesScalarBits(quads, m);
}

// Each lane keeps its own numbers: a NaN or an infinity in one lane leaves its
// neighbours untouched, whichever lane it is in.
TEST(ElementStiffnessBatch, LanesMixingAllKindsOfElementsStayApart) {
  const Material m = Steel();
  const std::vector<Quad> ordinary = DistortedQuads(6, 1.0, 5);
  const std::vector<Quad> extreme = ExtremeQuads();
  const std::vector<Quad> degenerate = DegenerateQuads();
  std::vector<Quad> mixed;
  for (int i = 0; i < 6; ++i) {
    mixed.push_back(ordinary[i]);
    mixed.push_back(degenerate[i % degenerate.size()]);
    mixed.push_back(Clockwise(ordinary[(i + 1) % 6]));
    mixed.push_back(extreme[(5 * i) % extreme.size()]);
    mixed.push_back(extreme[(5 * i + 2) % extreme.size()]);
  }
  ExpectBatchGivesScalarBits(mixed, m);
}

// Elements sharing no node: each element's upper triangle lands alone in its
// own diagonal block of the band, so the band shows every matrix the fast
// assembly computed, in whole batches and in a last batch cut short.
AnalysisData SeparateElements(int count) {
  std::mt19937_64 random(6);
  std::vector<NodeCoord> nodes;
  std::vector<int> connectivity;
  for (int e = 0; e < count; ++e) {
    const Quad q = e % 3 == 1 ? Clockwise(DistortedQuad(random, 1.7)) : DistortedQuad(random, 1.7);
    for (int k = 0; k < kNodesPerElement; ++k) {
      connectivity.push_back(static_cast<int>(nodes.size()));
      nodes.push_back(q.corners[k]);
    }
  }
  return MeshModel(std::move(nodes), std::move(connectivity), 70000.0, 0.33, 2.5);
}

TEST(ElementStiffnessBatch, AssemblyGivesTheScalarBitsForBatchesAndACutShortBatch) {
  for (int count : {1, kElementBatchLanes - 1, 3 * kElementBatchLanes + 3, 64 + kElementBatchLanes + 2, 4099}) {
    AnalysisData data = SeparateElements(count);
    data.halfBandwidth = ComputeHalfBandwidth(data);
    ASSERT_EQ(data.halfBandwidth, kDofPerElement);
    ::testing::internal::CaptureStdout();
    AssembleStiffnessFast(data);
    ::testing::internal::GetCapturedStdout();
    for (int e = 0; e < count; ++e) {
      ElementMatrix want;
      testing::ElementStiffnessOf(data, e, want);
      ElementMatrix got{};
      for (int i = 0; i < kDofPerElement; ++i) {
        const int first = kDofPerElement * e;
        for (int j = i; j < kDofPerElement; ++j) got[i][j] = data.band(first + i, first + j);
      }
      EXPECT_EQ(FirstDifference(got, want), "") << count << " elements, element " << e;
    }
  }
}

}  // namespace
}  // namespace solvane

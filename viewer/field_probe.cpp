#include "field_probe.h"

#include <algorithm>
#include <array>

#include "element_split.h"

namespace ambrel {
namespace {

// One corner of the triangles: where it is drawn, where it is on the model,
// and its value.
struct Corner {
  ModelPosition drawn;
  ModelPosition original;
  double value = 0.0;
};

// Barycentric weights of p in the triangle abc, or nothing when p lies
// outside it (points on its sides count as inside) or it has no area.
std::optional<std::array<double, 3>> WeightsIn(ModelPosition a, ModelPosition b, ModelPosition c,
                                               ModelPosition p) {
  const double det = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
  if (det == 0.0) return std::nullopt;
  const double wb = ((p.x - a.x) * (c.y - a.y) - (c.x - a.x) * (p.y - a.y)) / det;
  const double wc = ((b.x - a.x) * (p.y - a.y) - (p.x - a.x) * (b.y - a.y)) / det;
  const double wa = 1.0 - wb - wc;
  constexpr double kOnSide = -1e-12;
  if (wa < kOnSide || wb < kOnSide || wc < kOnSide) return std::nullopt;
  return std::array<double, 3>{wa, wb, wc};
}

bool BoxHolds(const std::array<ModelPosition, 4>& corners, ModelPosition p) {
  const auto [xmin, xmax] = std::minmax({corners[0].x, corners[1].x, corners[2].x, corners[3].x});
  const auto [ymin, ymax] = std::minmax({corners[0].y, corners[1].y, corners[2].y, corners[3].y});
  return p.x >= xmin && p.x <= xmax && p.y >= ymin && p.y <= ymax;
}

std::optional<FieldProbe> ProbeElement(const std::array<Corner, 4>& corners, int element,
                                       ModelPosition p) {
  Corner centre;
  centre.drawn =
      CentreOf(std::array{corners[0].drawn, corners[1].drawn, corners[2].drawn, corners[3].drawn});
  centre.original = CentreOf(std::array{corners[0].original, corners[1].original,
                                        corners[2].original, corners[3].original});
  centre.value =
      CentreOf(std::array{corners[0].value, corners[1].value, corners[2].value, corners[3].value});
  for (int k = 0; k < kTrianglesPerElement; ++k) {
    const Corner& a = corners[k];
    const Corner& b = corners[(k + 1) % 4];
    const auto w = WeightsIn(a.drawn, b.drawn, centre.drawn, p);
    if (!w) continue;
    const auto mix = [&w](double va, double vb, double vc) {
      return (*w)[0] * va + (*w)[1] * vb + (*w)[2] * vc;
    };
    return FieldProbe{element,
                      mix(a.value, b.value, centre.value),
                      {mix(a.original.x, b.original.x, centre.original.x),
                       mix(a.original.y, b.original.y, centre.original.y)}};
  }
  return std::nullopt;
}

}  // namespace

std::optional<FieldProbe> ProbeField(const std::vector<ModelPosition>& drawn,
                                     const std::vector<ModelPosition>& original,
                                     const std::vector<ElementNodes>& elements,
                                     const std::vector<double>& values, ModelPosition point) {
  for (int e = 0; e < static_cast<int>(elements.size()); ++e) {
    const ElementNodes& nodes = elements[e];
    const std::array<ModelPosition, 4> drawnCorners{drawn[nodes[0]], drawn[nodes[1]],
                                                    drawn[nodes[2]], drawn[nodes[3]]};
    if (!BoxHolds(drawnCorners, point)) continue;
    std::array<Corner, 4> corners;
    for (int k = 0; k < 4; ++k)
      corners[k] = {drawnCorners[k], original[nodes[k]], values[nodes[k]]};
    if (auto probe = ProbeElement(corners, e, point)) return probe;
  }
  return std::nullopt;
}

}  // namespace ambrel

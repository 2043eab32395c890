#pragma once
// The solver's result files as text, for rectangular grids of square
// elements with stresses given as functions of the position.

#include <functional>
#include <string>

#include "contour_mesh.h"
#include "decimal_text.h"

namespace ambrel::test {

// A grid of nx × ny elements over [0, nx] × [0, ny]; node j (nx + 1) + i
// stands at (i, j).
struct Grid {
  int nx = 1;
  int ny = 1;
  int NodeCount() const { return (nx + 1) * (ny + 1); }
  ModelPosition Node(int n) const { return {double(n % (nx + 1)), double(n / (nx + 1))}; }
};

using StressAt = std::function<NodalStress(ModelPosition)>;

// SX = SE = x, SY = y, TXY = 0: a field that grows linearly to the right.
inline NodalStress Linear(ModelPosition p) { return {p.x, p.y, 0.0, p.x}; }

inline std::string ContourText(const Grid& grid, const StressAt& stress) {
  std::string text = "NPOIN=" + std::to_string(grid.NodeCount()) +
                     "\nNELEM=" + std::to_string(grid.nx * grid.ny) + "\n";
  for (int n = 0; n < grid.NodeCount(); ++n) {
    const ModelPosition p = grid.Node(n);
    const NodalStress s = stress(p);
    for (const double v : {p.x, p.y, s.sx, s.sy, s.txy}) text += FormatReal(v) + ",";
    text += FormatReal(s.se) + "\n";
  }
  for (int j = 0; j < grid.ny; ++j) {
    for (int i = 0; i < grid.nx; ++i) {
      const int n = j * (grid.nx + 1) + i;
      text += std::to_string(n) + "," + std::to_string(n + 1) + "," +
              std::to_string(n + grid.nx + 2) + "," + std::to_string(n + grid.nx + 1) + "\n";
    }
  }
  return text;
}

// Node_Dis.txt with every node moved by the same displacement.
inline std::string DisplacementText(int nodeCount, Displacement d) {
  std::string text = "           Node             dx             dy\n";
  for (int n = 0; n < nodeCount; ++n) {
    text += std::string(13 - std::to_string(n).size(), ' ') + std::to_string(n) + ":" + "   " +
            FormatReal(d.dx) + "   " + FormatReal(d.dy) + "\n";
  }
  return text;
}

}  // namespace ambrel::test

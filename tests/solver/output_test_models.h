#pragma once
// Small meshes with hand-set displacements for the tests of the drawing and
// data-file writers, and helpers to read back what they wrote.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "method/analysis_data.h"
#include "solvane_process.h"
#include "test_models.h"

namespace solvane::testing {

// A structured grid of nx by ny rectangular elements over [0, width] x
// [0, height], counter-clockwise corners, nodes numbered row by row from the
// bottom; all displacements zero.
inline AnalysisData GridModel(int nx, int ny, double width, double height) {
  AnalysisData data;
  data.E = 1000.0;
  data.Mu = 0.0;
  data.Thick = 1.0;
  data.NPOIN = (nx + 1) * (ny + 1);
  data.NELEM = nx * ny;
  data.neq = kDofPerNode * data.NPOIN;
  for (int j = 0; j <= ny; ++j) {
    for (int i = 0; i <= nx; ++i) data.nodes.push_back({width * i / nx, height * j / ny});
  }
  for (int j = 0; j < ny; ++j) {
    for (int i = 0; i < nx; ++i) {
      const int first = j * (nx + 1) + i;
      data.connectivity.insert(data.connectivity.end(),
                               {first, first + 1, first + nx + 2, first + nx + 1});
    }
  }
  data.displacement.assign(data.neq, 0.0);
  return data;
}

// One width x height element with its lower left corner at (x0, y0): nodes
// 0 to 3 counter-clockwise from that corner, connectivity 0, 1, 2, 3.
inline AnalysisData OneElementModel(double x0, double y0, double width, double height) {
  AnalysisData data = GridModel(1, 1, width, height);
  data.nodes = {{x0, y0}, {x0 + width, y0}, {x0 + width, y0 + height}, {x0, y0 + height}};
  data.connectivity = {0, 1, 2, 3};
  return data;
}

// Sets the displacement of every node to u = a * x, v = b * y.
inline void StretchUniformly(AnalysisData& data, double a, double b) {
  for (int n = 0; n < data.NPOIN; ++n) {
    data.displacement[Dof(n, kDirectionX)] = a * data.nodes[n].x;
    data.displacement[Dof(n, kDirectionY)] = b * data.nodes[n].y;
  }
}

// The path of `name` inside the scratch folder.
inline std::string PathIn(const ScratchFolder& dir, const std::string& name) {
  return (dir.path() / name).string();
}

inline std::vector<std::string> ReadLines(const std::string& path) {
  std::istringstream text(ReadFile(path));
  std::vector<std::string> lines;
  for (std::string line; std::getline(text, line);) lines.push_back(line);
  return lines;
}

// Runs `write` with standard input at its end, so that the wait after a
// failure returns at once; gives what it printed.
template <typename Write>
std::string ConsoleOutputWithoutInput(Write write) {
  const int savedInput = dup(STDIN_FILENO);
  const int nothing = open("/dev/null", O_RDONLY);
  dup2(nothing, STDIN_FILENO);
  ::testing::internal::CaptureStdout();
  write();
  std::string printed = ::testing::internal::GetCapturedStdout();
  dup2(savedInput, STDIN_FILENO);
  close(nothing);
  close(savedInput);
  return printed;
}

}  // namespace solvane::testing

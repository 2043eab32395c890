// Meshing one square polygon into n x n elements, with the indexed node merging
// and edge insertion of the model against the whole-list scans they replace.
// The scans are quadratic and skipped above --literal-limit (default 200).
// Times are processor seconds of this process, which other programs running
// on the machine disturb less than the elapsed time.
//
//   bench_meshing [--literal-limit N]

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <functional>
#include <utility>
#include <vector>

#include "../tests/modeler/literal_mesher.h"
#include "model.h"

namespace {

using kestrix::Model;
using kestrix::ModelPoint;
using kestrix::Polygon;

Model ModelWithSelectedSquare() {
  Model model;
  std::vector<ModelPoint> corners{
      {.x = 0, .y = 0}, {.x = 1, .y = 0}, {.x = 1, .y = 1}, {.x = 0, .y = 1}};
  Polygon square(0, std::move(corners));
  square.selected = true;
  model.AddPolygon(std::move(square));
  return model;
}

double SecondsFor(const std::function<void()>& work) {
  const std::clock_t start = std::clock();
  work();
  return static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

}  // namespace

int main(int argc, char** argv) {
  int literal_limit = 200;
  if (argc == 3 && std::strcmp(argv[1], "--literal-limit") == 0) literal_limit = std::atoi(argv[2]);

  std::printf("%6s %9s %9s %12s %12s\n", "n x n", "nodes", "edges", "indexed [s]", "scans [s]");
  for (int n : {50, 100, 200, 300}) {
    Model model = ModelWithSelectedSquare();
    const double indexed = SecondsFor([&] { model.MeshSelectedPolygons(n, n); });
    std::printf("%6d %9d %9d %12.4f", n, model.NPOIN(), model.edges().Count(), indexed);
    if (n <= literal_limit) {
      const Model fresh = ModelWithSelectedSquare();
      kestrix::MeshLists expected;
      const double scans = SecondsFor([&] { expected = kestrix::LiteralMesh(fresh, n, n); });
      const bool same =
          kestrix::Fingerprint(kestrix::ListsOf(model)) == kestrix::Fingerprint(expected);
      std::printf(" %12.4f %s\n", scans, same ? "same lists" : "LISTS DIFFER");
    } else {
      std::printf(" %12s\n", "skipped");
    }
  }
  return 0;
}

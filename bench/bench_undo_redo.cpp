// Undo and redo on a 300 x 300 element model: the time to record a step (a
// copy of the whole model), and to undo and redo it (the copies are swapped).
// Each is run a number of times; the median and the largest are reported, in
// processor milliseconds of this process.
//
//   bench_undo_redo [n] [repeats]      (defaults 300 and 21)

#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "model.h"
#include "model_history.h"

namespace {

using kestrix::Model;
using kestrix::ModelPoint;

// A unit square meshed n x n, its lower nodes fixed and its upper nodes loaded.
Model MeshedSquare(int n) {
  Model model;
  std::vector<ModelPoint> corners{
      {.x = 0, .y = 0}, {.x = 1, .y = 0}, {.x = 1, .y = 1}, {.x = 0, .y = 1}};
  kestrix::Polygon square(0, std::move(corners));
  square.selected = true;
  model.AddPolygon(std::move(square));
  model.MeshSelectedPolygons(n, n);
  for (int k = 0; k <= n; ++k) {
    model.AddConstraint(k, 1, 1);
    model.AddForce(model.NPOIN() - 1 - k, 0, -1);
  }
  return model;
}

double ProcessMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

double MillisecondsFor(const std::function<void()>& work) {
  const double start = ProcessMilliseconds();
  work();
  return ProcessMilliseconds() - start;
}

void Report(const char* what, std::vector<double> times) {
  std::sort(times.begin(), times.end());
  std::printf("%-34s median %8.3f ms   max %8.3f ms\n", what, times[times.size() / 2],
              times.back());
}

}  // namespace

int main(int argc, char** argv) {
  const int n = argc > 1 ? std::atoi(argv[1]) : 300;
  const int repeats = argc > 2 ? std::atoi(argv[2]) : 21;
  Model model = MeshedSquare(n);
  std::printf("%d x %d elements: %d nodes, %d edges, a copy of about %.1f MB\n", n, n,
              model.NPOIN(), model.edges().Count(),
              kestrix::EstimateModelBytes(model) / 1048576.0);

  kestrix::ModelHistory history;
  std::vector<double> record, undo, redo;
  for (int k = 0; k < repeats; ++k) {
    record.push_back(MillisecondsFor([&] { history.Record(model, "Apply forces to 1 node"); }));
    model.AddForce(k, 1, 0);
    undo.push_back(MillisecondsFor([&] { history.Undo(model); }));
    redo.push_back(MillisecondsFor([&] { history.Redo(model); }));
  }
  Report("record a step (copy the model)", record);
  Report("undo", undo);
  Report("redo", redo);
  std::printf("history: %d steps, about %.0f MB\n", history.undoCount(),
              history.bytes() / 1048576.0);
  return 0;
}

// Ambrel on a large model: the solver's contour and displacement files of an
// n x n element plate are written into a scratch folder, then read and drawn
// as the window does, and redrawn while the view pans (at the fitted view,
// where mesh lines are too dense to draw, and zoomed in until they are
// drawn). Pictures are painted through the Qt backend into an image of the
// window's size on the offscreen platform. Times are wall-clock milliseconds.
//
//   bench_ambrel_drawing [n] [WIDTHxHEIGHT]      (default 300 and 1200x800)

#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "decimal_text.h"
#include "picture_files.h"
#include "result_files.h"
#include "viewer_window.h"

namespace {

namespace fs = std::filesystem;
using ambrel::FormatReal;

double MillisecondsFor(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

// A plate 5 wide and 1 high, bent downwards, with a stress field that has a
// hot spot at the clamped corner, written as the solver writes its files.
void WriteResults(const fs::path& folder, int n) {
  std::ofstream contour(folder / ambrel::kContourFileName);
  std::ofstream displacements(folder / ambrel::kDisplacementFileName);
  const int side = n + 1;
  contour << "NPOIN=" << side * side << "\nNELEM=" << n * n << "\n";
  displacements << "           Node             dx             dy\n";
  for (int node = 0; node < side * side; ++node) {
    const double x = 5.0 * (node % side) / n;
    const double y = 1.0 * (node / side) / n;
    const double sx = 100.0 * (5.0 - x) * (0.5 - y) + 40.0 / (0.2 + std::hypot(x, y));
    const double sy = 10.0 * std::sin(3.0 * x) * y;
    const double txy = -15.0 * y * (1.0 - y);
    const double se = std::sqrt(sx * sx - sx * sy + sy * sy + 3.0 * txy * txy);
    contour << FormatReal(x) << ',' << FormatReal(y) << ',' << FormatReal(sx) << ','
            << FormatReal(sy) << ',' << FormatReal(txy) << ',' << FormatReal(se) << '\n';
    displacements << std::string(13 - std::to_string(node).size(), ' ') << node << ":  "
                  << FormatReal(-1e-4 * x * (0.5 - y)) << "  " << FormatReal(-1e-3 * x * x) << '\n';
  }
  for (int j = 0; j < n; ++j) {
    for (int i = 0; i < n; ++i) {
      const int node = j * side + i;
      contour << node << ',' << node + 1 << ',' << node + side + 1 << ',' << node + side << '\n';
    }
  }
}

struct Spread {
  double median = 0.0;
  double max = 0.0;
};

// Redraws after each of `steps` drags of a few pixels.
Spread PanRedraws(ambrel::ViewerWindow& window, int steps) {
  std::vector<double> times;
  window.OnButtonDown(400, 300);
  for (int step = 1; step <= steps; ++step) {
    window.OnMouseMove(400 + 7 * step, 300 + 3 * step);
    times.push_back(MillisecondsFor([&] { ambrel::RenderPicture(window); }));
  }
  window.OnButtonUp();
  std::sort(times.begin(), times.end());
  return {times[times.size() / 2], times.back()};
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const int n = argc > 1 ? std::atoi(argv[1]) : 300;
  int width = 1200;
  int height = 800;
  if (argc > 2) std::sscanf(argv[2], "%dx%d", &width, &height);

  const fs::path folder = fs::temp_directory_path() / ("bench_ambrel_" + std::to_string(getpid()));
  fs::create_directories(folder);
  WriteResults(folder, n);
  std::printf("%d x %d elements, %d nodes, files %.1f MB, picture %dx%d\n", n, n, (n + 1) * (n + 1),
              (fs::file_size(folder / ambrel::kContourFileName) +
               fs::file_size(folder / ambrel::kDisplacementFileName)) /
                  1e6,
              width, height);

  ambrel::ViewerWindow window(folder);
  bool loaded = false;
  const double read = MillisecondsFor([&] { loaded = window.Load(); });
  window.OnSize(width, height);
  const double first = MillisecondsFor([&] { ambrel::RenderPicture(window); });
  if (!loaded) {
    std::printf("not loaded: %s\n", window.Message().c_str());
    return 1;
  }
  std::printf("read and prepare            %8.1f ms\n", read);
  std::printf("first picture               %8.1f ms\n", first);
  std::printf("load and draw               %8.1f ms\n", read + first);

  const Spread fitted = PanRedraws(window, 30);
  std::printf("pan redraw, fitted          %8.1f ms median, %.1f ms max\n", fitted.median,
              fitted.max);
  window.OnWheel(width / 3, height / 2, 120 * 12);  // 1.25^12, about 15 times
  const Spread zoomed = PanRedraws(window, 30);
  std::printf("pan redraw, zoomed in x15   %8.1f ms median, %.1f ms max (mesh lines drawn)\n",
              zoomed.median, zoomed.max);
  window.SetMeshLines(false);
  const Spread bare = PanRedraws(window, 30);
  std::printf("pan redraw, zoomed, no mesh %8.1f ms median, %.1f ms max\n", bare.median, bare.max);

  fs::remove_all(folder);
  return 0;
}

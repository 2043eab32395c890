// Kestrix on a large model: an n x n element plate, fixed along its left
// side, with a force on every node of its right side, an edge load on every
// edge of its top side and a solved bending shape, painted as the main window
// paints it: through the Qt canvas into an image of the window's size on the
// offscreen platform, at the fitted view, during wheel zooms in and out, and
// zoomed far in. The same paints then go to a canvas that only counts calls,
// which times the toolkit-neutral part alone. Picks are timed at the fitted
// view. Times are milliseconds of wall clock and of the process's processor
// time; each picture's pixels are summed up in a hash, so that a change that
// must not alter the picture can be checked against the build before it.
//
//   bench_kestrix_drawing [n] [WIDTHxHEIGHT]      (default 300 and 1200x800)

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/fake_platform.h"
#include "main_window.h"
#include "qt_canvas.h"

namespace {

using namespace kestrix;

struct Times {
  double wall = 0.0;
  double cpu = 0.0;
};

double ProcessCpuMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

Times TimeOf(const std::function<void()>& work) {
  const double cpuStart = ProcessCpuMilliseconds();
  const auto start = std::chrono::steady_clock::now();
  work();
  const auto end = std::chrono::steady_clock::now();
  return {std::chrono::duration<double, std::milli>(end - start).count(),
          ProcessCpuMilliseconds() - cpuStart};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0.0 : values[values.size() / 2];
}

struct Series {
  std::vector<double> wall;
  std::vector<double> cpu;
  void Add(Times t) {
    wall.push_back(t.wall);
    cpu.push_back(t.cpu);
  }
};

// A canvas that only counts what it is asked to draw.
class CountingCanvas : public Canvas {
 public:
  void FillBackground(Rgb) override {}
  void SetPen(const Pen&) override { ++pens; }
  void SetRasterMode(RasterMode mode) override { m_mode = mode; }
  RasterMode GetRasterMode() const override { return m_mode; }
  void DrawLine(int, int, int, int) override { ++lines; }
  void DrawEllipse(int, int, int, int) override { ++ellipses; }
  void SetFont(const Font&) override {}
  void SetTextColour(Rgb) override {}
  void DrawText(int, int, const std::string&) override { ++texts; }

  long pens = 0;
  long lines = 0;
  long ellipses = 0;
  long texts = 0;

 private:
  RasterMode m_mode = RasterMode::Copy;
};

// The plate 3 x 3 model units, meshed n x n, as a model file would rebuild it.
std::unique_ptr<Model> Plate(int n) {
  auto model = std::make_unique<Model>();
  const int side = n + 1;
  const double h = 3.0 / n;
  std::vector<ModelPosition> nodes;
  for (int r = 0; r < side; ++r) {
    for (int c = 0; c < side; ++c) nodes.push_back({c * h, r * h});
  }
  std::vector<Element> elements;
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < n; ++c) {
      const int a = r * side + c;
      elements.push_back({a, a + 1, a + side + 1, a + side});
    }
  }
  model->ReplaceMesh(nodes, elements);
  for (int r = 0; r < side; ++r) {
    model->AddConstraint(r * side, 1, 1);
    model->AddForce(r * side + n, 0.0, -10.0);
  }
  for (int c = 0; c < n; ++c) model->AddDistributedLoad(n * side + c + 1, 5.0, n * side + c, 5.0);
  const double corners[4][2] = {{0, 0}, {3, 0}, {3, 3}, {0, 3}};
  std::vector<ModelPoint> vertices;
  for (int k = 0; k < 4; ++k) {
    model->AddGeoPt(k, corners[k][0], corners[k][1]);
    vertices.push_back({.x = corners[k][0], .y = corners[k][1], .number = k});
  }
  model->AddPolygon(Polygon(0, vertices));
  for (int k = 0; k < side * side; ++k) {
    const double x = nodes[k].x;
    model->SetNodeDisplacement(k, -1e-4 * x * (nodes[k].y - 1.5), -1e-3 * x * x);
  }
  model->SetSolved(true);
  return model;
}

std::uint64_t PixelHash(const QImage& image) {
  std::uint64_t hash = 1469598103934665603ull;
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const unsigned char*>(image.constScanLine(y));
    for (int x = 0; x < image.width() * 4; ++x) hash = (hash ^ line[x]) * 1099511628211ull;
  }
  return hash;
}

class Bench {
 public:
  Bench(int n, int width, int height) : m_image(width, height, QImage::Format_RGB32) {
    m_window.OnSize(width, height);
    m_window.ReplaceModel(Plate(n), std::make_unique<ViewTransform>());
    m_window.model().AttachView(&m_window.view());
    m_window.ShowDeformedShape(true);
  }

  // The view fitted to the model's stored box, as a resize fits it.
  void FitView() { m_window.OnSize(m_image.width(), m_image.height()); }

  Times PaintImage() {
    return TimeOf([this] {
      QPainter painter(&m_image);
      QtCanvas canvas(painter);
      m_window.Paint(canvas);
    });
  }

  Times PaintCounting() {
    CountingCanvas canvas;
    const Times t = TimeOf([&] { m_window.Paint(canvas); });
    m_lastCount = canvas;
    return t;
  }

  void Report(const char* what, const Series& series) {
    std::printf("%-44s %8.1f %8.1f   %016llx\n", what, Median(series.wall), Median(series.cpu),
                static_cast<unsigned long long>(PixelHash(m_image)));
  }

  void ReportCounting(const char* what, const Series& series) {
    std::printf("%-44s %8.1f %8.1f   %ld lines, %ld circles, %ld pens\n", what, Median(series.wall),
                Median(series.cpu), m_lastCount.lines, m_lastCount.ellipses, m_lastCount.pens);
  }

  // Repaints at the fitted view.
  void Fitted(bool counting) {
    FitView();
    Series series;
    for (int k = 0; k < 9; ++k) series.Add(counting ? PaintCounting() : PaintImage());
    counting ? ReportCounting("fitted view, repaint", series) : Report("fitted view, repaint", series);
  }

  // One repaint after each wheel step at a point off the centre, in and out.
  void Wheel(bool counting) {
    FitView();
    const int x = m_image.width() * 2 / 5;
    const int y = m_image.height() * 3 / 5;
    Series series;
    for (int step = 0; step < 24; ++step) {
      m_window.OnWheel(x, y, step < 12 ? 120 : -120);
      series.Add(counting ? PaintCounting() : PaintImage());
    }
    counting ? ReportCounting("wheel zoom 12 in, 12 out, repaint", series)
             : Report("wheel zoom 12 in, 12 out, repaint", series);
  }

  // Zoomed in 30 wheel steps: a few hundred elements show.
  void ZoomedIn(bool counting) {
    FitView();
    for (int step = 0; step < 30; ++step) m_window.OnWheel(m_image.width() / 3, m_image.height() / 2, 120);
    Series series;
    for (int k = 0; k < 9; ++k) series.Add(counting ? PaintCounting() : PaintImage());
    counting ? ReportCounting("zoomed in 30 steps, repaint", series)
             : Report("zoomed in 30 steps, repaint", series);
  }

  void Picks() {
    FitView();
    Model& model = m_window.model();
    const int cx = m_image.width() / 2;
    const int cy = m_image.height() / 2;
    const auto pick = [&](const char* what, const std::function<void()>& work) {
      Series series;
      for (int k = 0; k < 9; ++k) series.Add(TimeOf(work));
      std::printf("%-44s %8.2f %8.2f\n", what, Median(series.wall), Median(series.cpu));
    };
    pick("pick node at", [&] { model.PickNodeAt(cx, cy); });
    pick("pick nodes in rectangle (a quarter)", [&] { model.PickNodesInRectangle(0, 0, cx, cy); });
    pick("pick edges at", [&] { model.PickEdgesAt(cx + 1, cy); });
    pick("pick edges in rectangle (a quarter)", [&] { model.PickEdgesInRectangle(0, 0, cx, cy); });
    pick("pick polygon at", [&] { model.PickPolygonAt(cx, cy); });
    model.ClearSelection();
  }

 private:
  FakePlatform m_platform;
  MainWindow m_window{m_platform.Services()};
  QImage m_image;
  CountingCanvas m_lastCount;
};

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const int n = argc > 1 ? std::atoi(argv[1]) : 300;
  int width = 1200;
  int height = 800;
  if (argc > 2 && std::sscanf(argv[2], "%dx%d", &width, &height) != 2) return 2;
  if (n < 1 || width < 1 || height < 1) return 2;

  Bench bench(n, width, height);
  std::printf("%d x %d elements, %d x %d pixels; milliseconds, median\n", n, n, width, height);
  std::printf("%-44s %8s %8s   %s\n", "Qt canvas into an image", "wall", "cpu", "pixel hash");
  bench.Fitted(false);
  bench.Wheel(false);
  bench.ZoomedIn(false);
  std::printf("%-44s %8s %8s\n", "counting canvas (toolkit-neutral part)", "wall", "cpu");
  bench.Fitted(true);
  bench.Wheel(true);
  bench.ZoomedIn(true);
  std::printf("%-44s %8s %8s\n", "picks at the fitted view", "wall", "cpu");
  bench.Picks();
  return 0;
}

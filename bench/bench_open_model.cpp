// Opening a large model file in Kestrix: an n x n mesh of a 10 x 10 plate,
// fixed along its left side, loaded along its right side, with its polygon,
// written as a model file and opened as File > Open does (read, parse,
// rebuild the lists and edges, bounding box). Once with "\n" line ends and
// once with a lone "\r", whose line numbers the reader must count the same
// way. Times are wall-clock seconds, the best of three runs.
//
//   bench_open_model [n ...]        (default: 100 200 300)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "model_file_reader.h"

namespace {

std::string ModelText(int n) {
  std::ostringstream text;
  const int perRow = n + 1;
  const double step = 10.0 / n;
  text << "E=210000\nMu=0.3\nThick=1\nNPOIN=" << perRow * perRow << "\n";
  for (int r = 0; r <= n; ++r) {
    for (int c = 0; c <= n; ++c) text << c * step << "," << r * step << "\n";
  }
  text << "NELEM=" << n * n << "\n";
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < n; ++c) {
      const int a = r * perRow + c;
      text << a << "," << a + 1 << "," << a + 1 + perRow << "," << a + perRow << "\n";
    }
  }
  text << "NRN=" << perRow << "\n";
  for (int r = 0; r <= n; ++r) text << r * perRow << ":1 1\n";
  text << "NFOR=1\n" << perRow * perRow - 1 << "<0,-100>\n";
  text << "NPRS=" << n << "\n";
  for (int r = 0; r < n; ++r) {
    text << r * perRow + n << "(5,0)," << (r + 1) * perRow + n << "(5,0)\n";
  }
  text << "NGPT=4\n0:0,0\n1:10,0\n2:10,10\n3:0,10\nNPG=1\n0[4]:0 1 2 3\n#end\n";
  return text.str();
}

class SilentNotifier : public kestrix::Notifier {
 public:
  void ShowMessage(const std::string& text, const std::string&) override {
    std::fprintf(stderr, "message: %s\n", text.c_str());
  }
};

double BestSecondsToOpen(const std::filesystem::path& file, int& nodes) {
  SilentNotifier notifier;
  double best = 1e30;
  for (int run = 0; run < 3; ++run) {
    const auto start = std::chrono::steady_clock::now();
    const auto model = kestrix::OpenModelFile(file.string(), nullptr, notifier);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (model == nullptr) std::exit(1);
    nodes = model->NPOIN();
    best = std::min(best, elapsed.count());
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<int> sizes;
  for (int a = 1; a < argc; ++a) sizes.push_back(std::atoi(argv[a]));
  if (sizes.empty()) sizes = {100, 200, 300};

  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("bench_open_model." + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  std::printf("%6s %9s %10s %12s %12s\n", "n x n", "nodes", "MB", "LF [s]", "CR [s]");
  for (int n : sizes) {
    const std::string text = ModelText(n);
    std::string crText = text;
    std::replace(crText.begin(), crText.end(), '\n', '\r');
    const std::filesystem::path lf = folder / "lf.txt";
    const std::filesystem::path cr = folder / "cr.txt";
    std::ofstream(lf, std::ios::binary) << text;
    std::ofstream(cr, std::ios::binary) << crText;
    int nodes = 0;
    const double lfSeconds = BestSecondsToOpen(lf, nodes);
    const double crSeconds = BestSecondsToOpen(cr, nodes);
    std::printf("%6d %9d %10.2f %12.3f %12.3f\n", n, nodes, text.size() / 1e6, lfSeconds,
                crSeconds);
  }
  std::filesystem::remove_all(folder);
  return 0;
}

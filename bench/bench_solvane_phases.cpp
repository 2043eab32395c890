// Times the phases of a Solvane run (read, assembly, solve, stresses, writing)
// on structured cantilever models of growing size and reports the peak memory.
// Each model is written as fem.txt into a scratch directory and run there
// through the library steps, with the console progress sent to /dev/null.
// Times are processor seconds of the process (user and system), so that other
// work on a shared machine does not count.

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <ctime>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "analysis_data.h"
#include "assembly.h"
#include "band_size.h"
#include "dxf_drawings.h"
#include "loads_and_constraints.h"
#include "model_file_reader.h"
#include "number_text.h"
#include "solve_system.h"
#include "stress_recovery.h"
#include "write_results.h"

namespace {

// A plate 5 times as long as high, cols x rows elements, numbered across the
// height so that the band stays narrow; clamped on the left, sheared on the right.
std::string CantileverModel(int cols, int rows) {
  const double length = 5000.0;
  const double height = 1000.0;
  auto node = [rows](int c, int r) { return c * (rows + 1) + r; };
  std::string text = "E=210000\nMu=0.3\nThick=10\nNPOIN=" + std::to_string((cols + 1) * (rows + 1)) + "\n";
  for (int c = 0; c <= cols; ++c) {
    for (int r = 0; r <= rows; ++r) {
      text += solvane::FormatReal(length * c / cols) + "," + solvane::FormatReal(height * r / rows) + "\n";
    }
  }
  text += "NELEM=" + std::to_string(cols * rows) + "\n";
  for (int c = 0; c < cols; ++c) {
    for (int r = 0; r < rows; ++r) {
      text += std::to_string(node(c, r)) + "," + std::to_string(node(c + 1, r)) + "," +
              std::to_string(node(c + 1, r + 1)) + "," + std::to_string(node(c, r + 1)) + "\n";
    }
  }
  text += "NRN=" + std::to_string(rows + 1) + "\n";
  for (int r = 0; r <= rows; ++r) text += std::to_string(node(0, r)) + ":1 1\n";
  text += "NFOR=0\nNPRS=" + std::to_string(rows) + "\n";
  for (int r = 0; r < rows; ++r) {
    text += std::to_string(node(cols, r)) + "(0,-1)," + std::to_string(node(cols, r + 1)) + "(0,-1)\n";
  }
  return text;
}

// Sends standard output to /dev/null while it lives.
class QuietConsole {
 public:
  QuietConsole() {
    std::fflush(stdout);
    saved_ = dup(STDOUT_FILENO);
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    close(null);
  }
  ~QuietConsole() {
    std::fflush(stdout);
    dup2(saved_, STDOUT_FILENO);
    close(saved_);
  }

 private:
  int saved_;
};

double ProcessorSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return now.tv_sec + now.tv_nsec * 1e-9;
}

template <typename Step>
double Seconds(Step step) {
  const double start = ProcessorSeconds();
  step();
  return ProcessorSeconds() - start;
}

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024.0;
}

void RunModel(int cols, int rows) {
  using namespace solvane;
  AnalysisData data;
  double read = 0, assemble = 0, solve = 0, stresses = 0, write = 0;
  {
    QuietConsole quiet;
    std::ofstream("fem.txt") << CantileverModel(cols, rows);
    read = Seconds([&] { ReadModelFile("fem.txt", data); });
    data.halfBandwidth = ComputeHalfBandwidth(data);
    data.neq = kDofPerNode * data.NPOIN;
    assemble = Seconds([&] {
      AssembleStiffness(data);
      ApplyLoads(data);
      ApplyConstraints(data);
    });
    solve = Seconds([&] { SolveSystem(data); });
    stresses = Seconds([&] {
      std::vector<StressTriple> nodal(data.NPOIN);
      AverageNodalStresses(data, nodal.data());
    });
    write = Seconds([&] { WriteStructureDxf(data, "structure.dxf") && WriteResults(data); });
  }
  std::printf("%5dx%-4d %9d %6d %8.1f %8.3f %8.3f %8.3f %8.3f %8.3f %8.0f\n", cols, rows, data.neq,
              data.halfBandwidth, BandMegabytes(data.halfBandwidth, data.neq), read, assemble, solve,
              stresses, write, PeakMegabytes());
}

}  // namespace

int main() {
  const std::filesystem::path scratch =
      std::filesystem::temp_directory_path() / ("bench_solvane_" + std::to_string(getpid()));
  std::filesystem::create_directories(scratch);
  std::filesystem::current_path(scratch);
  std::printf("%-10s %9s %6s %8s %8s %8s %8s %8s %8s %8s\n", "mesh", "neq", "band", "band MB",
              "read s", "assem s", "solve s", "stress s", "write s", "peak MB");
  const int heights[] = {16, 32, 64, 96, 128, 144};
  for (int rows : heights) RunModel(5 * rows, rows);
  std::filesystem::current_path(scratch.parent_path());
  std::filesystem::remove_all(scratch);
}

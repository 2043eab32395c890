// Times every phase of a Solvane run (read, band guard, structure.dxf,
// assembly, loads and constraints, solve, corner and nodal stresses and each
// result file, the reactions last) on structured cantilever models of growing
// size, and reports the peak resident size against the band. Each model is
// written as fem.txt into a scratch directory and run there through the steps
// of the run in their order, with the console progress sent to /dev/null. Times are wall-clock
// seconds (steady clock); run it on an otherwise quiet machine.
//
// Arguments: the plate heights in elements (each model is 5 h x h), or sizes
// "COLSxROWS" such as 297x297; default 16 32 64 128 160, the last one a band
// of 642 MB.

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "fast/assembly_fast.h"
#include "fast/solve_banded_fast.h"
#include "fast/stress_recovery_fast.h"
#include "method/analysis_data.h"
#include "method/band_size.h"
#include "method/loads_and_constraints.h"
#include "method/model_file_reader.h"
#include "method/reactions.h"
#include "method/solve_system.h"
#include "method/stress_recovery.h"
#include "output/contour_viewer_file.h"
#include "output/dxf_drawings.h"
#include "output/number_text.h"
#include "output/result_tables.h"
#include "output/tecplot_files.h"

namespace {

using namespace solvane;

// A plate 5 times as long as high, cols x rows elements, numbered across the
// height so that the band stays narrow; clamped on the left, sheared on the right.
std::string CantileverModel(int cols, int rows) {
  const double length = 5000.0;
  const double height = 1000.0;
  auto node = [rows](int c, int r) { return c * (rows + 1) + r; };
  std::string text = "E=210000\nMu=0.3\nThick=10\nNPOIN=" + std::to_string((cols + 1) * (rows + 1)) + "\n";
  for (int c = 0; c <= cols; ++c) {
    for (int r = 0; r <= rows; ++r) {
      text += FormatReal(length * c / cols) + "," + FormatReal(height * r / rows) + "\n";
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

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024.0;
}

double Seconds(const timeval& time) { return time.tv_sec + time.tv_usec * 1e-6; }

// Processor seconds of the whole process so far, all threads: in the kernel
// (page faults such as the first touch of the band, writes to files) and in
// the program.
struct ProcessorSeconds {
  double kernel;
  double user;
};

ProcessorSeconds ProcessorSecondsSoFar() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return {Seconds(usage.ru_stime), Seconds(usage.ru_utime)};
}

// Processor seconds over wall seconds tell how busy the two cores were.
struct Phase {
  const char* name;
  double seconds;
  double kernelSeconds;
  double processorSeconds;
};

// Runs the steps in the order of a run and times each.
class PhaseClock {
 public:
  void Time(const char* name, const std::function<void()>& step) {
    Start();
    step();
    End(name);
  }
  // Times `step` as two phases, the first ending where `step` calls its
  // argument.
  void TimeSplit(const char* first, const char* second,
                 const std::function<void(const std::function<void()>&)>& step) {
    Start();
    step([&] {
      End(first);
      Start();
    });
    End(second);
  }
  const std::vector<Phase>& phases() const { return phases_; }

 private:
  void Start() {
    processorStart_ = ProcessorSecondsSoFar();
    start_ = std::chrono::steady_clock::now();
  }
  void End(const char* name) {
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start_;
    const ProcessorSeconds now = ProcessorSecondsSoFar();
    const double kernel = now.kernel - processorStart_.kernel;
    phases_.push_back({name, elapsed.count(), kernel, kernel + now.user - processorStart_.user});
  }

  std::chrono::steady_clock::time_point start_;
  ProcessorSeconds processorStart_{};
  std::vector<Phase> phases_;
};

PhaseClock RunModel(AnalysisData& data, int cols, int rows) {
  QuietConsole quiet;
  std::ofstream("fem.txt") << CantileverModel(cols, rows);
  PhaseClock clock;
  std::vector<StressTriple> corners;
  std::vector<StressTriple> nodal;
  clock.Time("read", [&] { ReadModelFile("fem.txt", data); });
  clock.Time("guard", [&] {
    data.halfBandwidth = ComputeHalfBandwidth(data);
    data.neq = kDofPerNode * data.NPOIN;
    BandFitsInMemory(data);
  });
  // The drawing runs while the helper thread maps the band's pages.
  clock.TimeSplit("structure.dxf", "assembly", [&](const std::function<void()>& drawn) {
    AssembleStiffnessFastAfter(data, [&] {
      WriteStructureDxf(data, "structure.dxf");
      drawn();
      return true;
    });
  });
  clock.Time("loads", [&] {
    ApplyLoads(data);
    ApplyConstraints(data);
  });
  clock.Time("solve", [&] { SolveSystem(data, SolveBandedFast); });
  clock.Time("Node_Dis", [&] { WriteNodeDis(data, "Node_Dis.txt"); });
  clock.Time("deformation.dxf", [&] { WriteDeformationDxf(data, "deformation.dxf"); });
  clock.Time("stresses", [&] {
    corners = AllCornerStressesFast(data);
    nodal = AverageNodalStresses(data, corners);
  });
  clock.Time("Node_Stress", [&] { WriteNodeStress(data, nodal, "Node_Stress.txt"); });
  clock.Time("Element_Stress", [&] { WriteElementStress(data, corners, "Element_Stress.txt"); });
  corners = std::vector<StressTriple>();
  clock.Time("Tecplot", [&] { WriteNodeStressTecplot(data, nodal, "Node_Stress_Tecplot.dat"); });
  clock.Time("Equivalent", [&] {
    WriteEquivalentNodeStressTecplot(data, nodal, "Equivalent_Node_Stress_Tecplot.dat");
  });
  clock.Time("Animate", [&] {
    WriteAnimateEquivalentNodeStressTecplot(data, nodal, "Animate_Equivalent_Node_Stress_Tecplot.dat");
  });
  clock.Time("ZelContour", [&] { WriteNodeStressZelContour(data, nodal, "Node_Stress_ZelContour.txt"); });
  clock.Time("Node_Reaction", [&] { WriteNodeReaction(NodeReactions(data), "Node_Reaction.txt"); });
  return clock;
}

void PrintModel(const AnalysisData& data, int cols, int rows, const PhaseClock& clock) {
  std::printf("\n%dx%d: neq %d, half-band %d, band %.1f MB, peak resident %.0f MB\n", cols, rows,
              data.neq, data.halfBandwidth, BandMegabytes(data.halfBandwidth, data.neq),
              PeakMegabytes());
  double solve = 0.0;
  double outside = 0.0;
  for (const Phase& phase : clock.phases()) {
    std::printf("  %-16s %8.3f s  (kernel %.3f s, processor %.3f s)\n", phase.name, phase.seconds,
                phase.kernelSeconds, phase.processorSeconds);
    (std::string(phase.name) == "solve" ? solve : outside) += phase.seconds;
  }
  std::printf("  %-16s %8.3f s (%.2f of the solve)\n", "outside solve", outside, outside / solve);
}

struct PlateSize {
  int cols;
  int rows;
};

// "h" for a plate 5 h x h, or "COLSxROWS".
PlateSize ParsePlateSize(const char* argument) {
  int cols = 0;
  int rows = 0;
  if (std::sscanf(argument, "%dx%d", &cols, &rows) == 2) return {cols, rows};
  rows = std::atoi(argument);
  return {5 * rows, rows};
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<PlateSize> sizes = {{80, 16}, {160, 32}, {320, 64}, {640, 128}, {800, 160}};
  if (argc > 1) sizes.clear();
  for (int a = 1; a < argc; ++a) sizes.push_back(ParsePlateSize(argv[a]));
  const std::filesystem::path scratch =
      std::filesystem::temp_directory_path() / ("bench_solvane_" + std::to_string(getpid()));
  std::filesystem::create_directories(scratch);
  std::filesystem::current_path(scratch);
  for (const PlateSize& size : sizes) {
    AnalysisData data;
    const PhaseClock clock = RunModel(data, size.cols, size.rows);
    PrintModel(data, size.cols, size.rows, clock);
  }
  std::filesystem::current_path(scratch.parent_path());
  std::filesystem::remove_all(scratch);
}

#include "run_solver.h"

#include <new>

#include "method/analysis_data.h"
#include "method/assembly.h"
#include "method/band_size.h"
#include "console/console.h"
#include "output/dxf_drawings.h"
#include "method/loads_and_constraints.h"
#include "method/model_file_reader.h"
#include "method/solve_system.h"
#include "output/write_results.h"

namespace solvane {

namespace {

constexpr int kSuccess = 0;
constexpr int kFailure = 1;

// Reads the model, sizes and guards the band, draws the undeformed mesh and
// builds K U = F with loads and constraints. False when the run must end.
bool BuildSystem(AnalysisData& data) {
  if (!ReadModelFile("fem.txt", data)) return false;
  data.halfBandwidth = ComputeHalfBandwidth(data);
  data.neq = kDofPerNode * data.NPOIN;
  if (!BandFitsInMemory(data)) return false;
  if (!WriteStructureDxf(data, "structure.dxf")) return false;
  AssembleStiffness(data);
  ApplyLoads(data);
  ApplyConstraints(data);
  return true;
}

void ReleaseAnalysisData(AnalysisData& data) { data = AnalysisData{}; }

// The whole run; a singular system is still written out but ends with status 1.
int Run(AnalysisData& data) {
  if (!BuildSystem(data)) return kFailure;
  const bool solvable = SolveSystem(data);
  if (!WriteResults(data)) return kFailure;
  ReleaseAnalysisData(data);
  PauseForAnyKey();
  return solvable ? kSuccess : kFailure;
}

}  // namespace

int RunSolver() {
  AnalysisData data;
  try {
    return Run(data);
  } catch (const std::bad_alloc&) {
    ReleaseAnalysisData(data);
    ConsoleWrite("\n");
    FailAfterWait("内存不足, 无法继续计算!");
    return kFailure;
  }
}

}  // namespace solvane

#include "run_solver.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <new>
#include <string_view>

#include "console/console.h"
#include "fast/assembly_fast.h"
#include "fast/solve_banded_fast.h"
#include "fast/stress_recovery_fast.h"
#include "method/analysis_data.h"
#include "method/assembly.h"
#include "method/band_size.h"
#include "method/loads_and_constraints.h"
#include "method/model_file_reader.h"
#include "method/solve_banded.h"
#include "method/solve_system.h"
#include "method/stress_recovery.h"
#include "output/dxf_drawings.h"
#include "output/result_file_names.h"
#include "output/write_results.h"

namespace solvane {

namespace {

constexpr int kSuccess = 0;
constexpr int kFailure = 1;

// The steps of the method that have a faster form beside the plain one; both
// forms give the very same bits and console text.
struct StepForms {
  // Runs `drawFirst` and then, unless it returned false, the assembly.
  bool (*drawAndAssemble)(AnalysisData& data, const std::function<bool()>& drawFirst);
  Elimination eliminate;
  CornerStressRecovery recoverCornerStresses;
};

// The plain form: the drawing, then the assembly, one after the other.
bool DrawThenAssemble(AnalysisData& data, const std::function<bool()>& drawFirst) {
  if (!drawFirst()) return false;
  AssembleStiffness(data);
  return true;
}

// The one switch between the two forms: SOLVANE_LITERAL_SOLVER=1 selects the
// plain form of every step, so that the two can be checked against each other
// on real runs; otherwise the fast forms run.
StepForms ChosenStepForms() {
  const char* value = std::getenv("SOLVANE_LITERAL_SOLVER");
  if (value != nullptr && std::string_view(value) == "1") {
    return {DrawThenAssemble, SolveBanded, AllCornerStresses};
  }
  return {AssembleStiffnessFastAfter, SolveBandedFast, AllCornerStressesFast};
}

// Reads the model, sizes and guards the band, draws the undeformed mesh and
// builds K U = F with loads and constraints. False when the run must end.
// `written` counts the result files this run has written whole.
bool BuildSystem(AnalysisData& data, const StepForms& forms, std::size_t& written) {
  if (!ReadModelFile("fem.txt", data)) return false;
  data.halfBandwidth = ComputeHalfBandwidth(data);
  data.neq = kDofPerNode * data.NPOIN;
  if (!BandFitsInMemory(data)) return false;
  // A drawing that failed is left as its writer left it (empty).
  written = kStructureDrawing + 1;
  const auto drawStructure = [&data] {
    return WriteStructureDxf(data, kResultFileNames[kStructureDrawing]);
  };
  if (!forms.drawAndAssemble(data, drawStructure)) return false;
  ApplyLoads(data);
  ApplyConstraints(data);
  return true;
}

void ReleaseAnalysisData(AnalysisData& data) { data = AnalysisData{}; }

// The whole run; a singular system is still written out but ends with status 1.
int Run(AnalysisData& data, std::size_t& written) {
  const StepForms forms = ChosenStepForms();
  if (!BuildSystem(data, forms, written)) return kFailure;
  const bool solvable = SolveSystem(data, forms.eliminate);
  const std::size_t ended = WriteResults(data, forms.recoverCornerStresses);
  // The file that ended the run is left as its writer left it (empty).
  written = std::min(ended + 1, kResultFileNames.size());
  if (ended < kResultFileNames.size()) return kFailure;
  ReleaseAnalysisData(data);
  PauseForAnyKey();
  return solvable ? kSuccess : kFailure;
}

}  // namespace

int RunSolver() {
  AnalysisData data;
  // A run that ends early removes the result files it did not write, so that
  // an earlier run's results never stand beside this run's as if they
  // belonged to it.
  std::size_t written = 0;
  int status = kFailure;
  try {
    status = Run(data, written);
  } catch (const std::bad_alloc&) {
    ReleaseAnalysisData(data);
    ConsoleWrite("\n");
    FailAfterWait("内存不足, 无法继续计算!");
  }
  if (status != kSuccess) RemoveResultFilesFrom(written);
  return status;
}

}  // namespace solvane

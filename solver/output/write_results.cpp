#include "output/write_results.h"

#include <vector>

#include "method/reactions.h"
#include "method/stress_recovery.h"
#include "output/contour_viewer_file.h"
#include "output/dxf_drawings.h"
#include "output/result_file_names.h"
#include "output/result_tables.h"
#include "output/tecplot_files.h"

namespace solvane {

std::size_t WriteResults(const AnalysisData& data, CornerStressRecovery recoverCornerStresses) {
  // Each writer gets the name at `next` in kResultFileNames; a writer that
  // succeeded moves `next` on to the following name.
  std::size_t next = kFirstResultAfterSolve;
  const auto name = [&next] { return kResultFileNames[next]; };
  const auto wrote = [&next](bool written) {
    if (written) ++next;
    return written;
  };
  if (!wrote(WriteNodeDis(data, name())) || !wrote(WriteDeformationDxf(data, name()))) {
    return next;
  }
  // The corner and nodal stresses are the same for every file that shows
  // them, so they are recovered once, before the first of those files is
  // opened.
  std::vector<StressTriple> corners = recoverCornerStresses(data);
  const std::vector<StressTriple> nodal = AverageNodalStresses(data, corners);
  const bool tablesWritten = wrote(WriteNodeStress(data, nodal, name())) &&
                             wrote(WriteElementStress(data, corners, name()));
  // No later file shows the corner stresses: their memory goes back before
  // the animation, which holds several frames' text at once.
  corners = std::vector<StressTriple>();
  (void)(tablesWritten &&
         wrote(WriteNodeStressTecplot(data, nodal, name())) &&
         wrote(WriteEquivalentNodeStressTecplot(data, nodal, name())) &&
         wrote(WriteAnimateEquivalentNodeStressTecplot(data, nodal, name())) &&
         wrote(WriteNodeStressZelContour(data, nodal, name())) &&
         wrote(WriteNodeReaction(NodeReactions(data), name())));
  return next;
}

}  // namespace solvane

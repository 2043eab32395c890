#include "output/write_results.h"

#include <vector>

#include "method/reactions.h"
#include "method/stress_recovery.h"
#include "output/contour_viewer_file.h"
#include "output/dxf_drawings.h"
#include "output/result_tables.h"
#include "output/tecplot_files.h"

namespace solvane {

bool WriteResults(const AnalysisData& data, CornerStressRecovery recoverCornerStresses) {
  if (!WriteNodeDis(data, "Node_Dis.txt") || !WriteDeformationDxf(data, "deformation.dxf")) {
    return false;
  }
  // The corner and nodal stresses are the same for every file that shows
  // them, so they are recovered once, before the first of those files is
  // opened.
  const std::vector<StressTriple> corners = recoverCornerStresses(data);
  const std::vector<StressTriple> nodal = AverageNodalStresses(data, corners);
  return WriteNodeStress(data, nodal, "Node_Stress.txt") &&
         WriteElementStress(data, corners, "Element_Stress.txt") &&
         WriteNodeStressTecplot(data, nodal, "Node_Stress_Tecplot.dat") &&
         WriteEquivalentNodeStressTecplot(data, nodal, "Equivalent_Node_Stress_Tecplot.dat") &&
         WriteAnimateEquivalentNodeStressTecplot(data, nodal,
                                                 "Animate_Equivalent_Node_Stress_Tecplot.dat") &&
         WriteNodeStressZelContour(data, nodal, "Node_Stress_ZelContour.txt") &&
         WriteNodeReaction(NodeReactions(data), "Node_Reaction.txt");
}

}  // namespace solvane

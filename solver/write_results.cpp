#include "write_results.h"

#include "contour_viewer_file.h"
#include "dxf_drawings.h"
#include "result_tables.h"
#include "tecplot_files.h"

namespace solvane {

bool WriteResults(const AnalysisData& data) {
  return WriteNodeDis(data, "Node_Dis.txt") && WriteDeformationDxf(data, "deformation.dxf") &&
         WriteNodeStress(data, "Node_Stress.txt") &&
         WriteElementStress(data, "Element_Stress.txt") &&
         WriteNodeStressTecplot(data, "Node_Stress_Tecplot.dat") &&
         WriteEquivalentNodeStressTecplot(data, "Equivalent_Node_Stress_Tecplot.dat") &&
         WriteAnimateEquivalentNodeStressTecplot(data, "Animate_Equivalent_Node_Stress_Tecplot.dat") &&
         WriteNodeStressZelContour(data, "Node_Stress_ZelContour.txt");
}

}  // namespace solvane

#include "write_results.h"

#include "dxf_drawings.h"
#include "result_tables.h"

namespace solvane {

bool WriteResults(const AnalysisData& data) {
  return WriteNodeDis(data, "Node_Dis.txt") && WriteDeformationDxf(data, "deformation.dxf") &&
         WriteNodeStress(data, "Node_Stress.txt") && WriteElementStress(data, "Element_Stress.txt");
}

}  // namespace solvane

#pragma once
// The two DXF drawings of the mesh: undeformed with element and node numbers,
// and deformed with the displacements magnified. A drawing that cannot be
// opened or written in full leads to the retry prompt (after the reason of a
// failed write); false means the user chose to exit.

#include "method/analysis_data.h"

namespace solvane {

bool WriteStructureDxf(const AnalysisData& data, const char* fileName);
bool WriteDeformationDxf(const AnalysisData& data, const char* fileName);

}  // namespace solvane

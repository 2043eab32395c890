#pragma once
// Reads the analysis section of a model file into AnalysisData: material,
// nodes, elements, constraints, nodal forces and distributed loads. The
// geometry section that may follow is not read beyond its first line.

#include "method/analysis_data.h"

namespace solvane {

// False when the file cannot be opened or does not hold a valid model; the
// message, naming the record and its line, has then been printed.
bool ReadModelFile(const char* fileName, AnalysisData& data);

}  // namespace solvane

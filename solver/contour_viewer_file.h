#pragma once
// The nodal-stress file read by the outside contour viewer. False when the
// file cannot be opened (message shown, Enter awaited).

#include "analysis_data.h"

namespace solvane {

bool WriteNodeStressZelContour(const AnalysisData& data, const char* fileName);

}  // namespace solvane

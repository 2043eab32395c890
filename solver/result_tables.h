#pragma once
// The plain-text result tables. False when the file cannot be opened (message
// shown, Enter awaited): the run then ends with status 1.

#include "analysis_data.h"

namespace solvane {

bool WriteNodeDis(const AnalysisData& data, const char* fileName);
bool WriteNodeStress(const AnalysisData& data, const char* fileName);
bool WriteElementStress(const AnalysisData& data, const char* fileName);

}  // namespace solvane

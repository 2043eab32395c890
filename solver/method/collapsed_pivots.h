#pragma once
// Detection of a singular system after the elimination: a pivot that has
// collapsed to (almost) nothing compared with its assembled diagonal, or that
// is not finite, marks a direction the model does not hold, as in a mechanism
// or a missing constraint. A model fixed nowhere in x, or nowhere in y, is
// singular whatever its pivots show. The elimination itself is left untouched.

#include <string>
#include <vector>

#include "method/analysis_data.h"

namespace solvane {

// The diagonal of every band row, taken before the elimination.
std::vector<double> BandDiagonal(const AnalysisData& data);

// DOFs whose reduced pivot is not finite or not above 1e-12 times the
// magnitude of the assembled diagonal, in increasing order.
std::vector<int> CollapsedPivots(const std::vector<double>& assembledDiagonal,
                                 const AnalysisData& data);

// Warning naming the node and direction of the first few collapsed pivots and
// how many more there are; ends with a line break.
std::string CollapsedPivotWarning(const std::vector<int>& dofs);

// Whether the model has nodes but no constraint fixes any of them in x, or
// none in y, so that it can move as a rigid body that way.
bool MovesAsRigidBody(const AnalysisData& data);

// The warning for a singular system: a model that can move as a rigid body
// is told so in plain words, with the direction to fix; otherwise it is the
// CollapsedPivotWarning.
std::string SingularSystemWarning(const AnalysisData& data, const std::vector<int>& collapsed);

}  // namespace solvane

#pragma once
// Reading the nodal displacements that Solvane wrote to "Node_Dis.txt" back
// into the model, after a solve.

#include <string>

#include "model.h"

namespace kestrix {

// Takes the file at `path` only when it holds the header and exactly one row
// "n: ux uy" per node of the model, numbered 0, 1, 2, ... in order, each with
// two finite reals: then the values fill the displacement vector and the model
// counts as solved. Otherwise the notifier names the file and what is wrong
// ("节点位移文件读取错误!" and, for a damaged file, the line), the vector is
// zeroed, the model is left unsolved and the result is false.
bool ReadDisplacements(const std::string& path, Model& model);

}  // namespace kestrix

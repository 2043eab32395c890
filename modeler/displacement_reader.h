#pragma once
// Reading the nodal displacements that Solvane wrote to "Node_Dis.txt" back
// into the model, after a solve.

#include <string>

#include "model.h"

namespace kestrix {

// Zeroes the model's displacement vector, skips the header line of the file
// at `path` and reads one row "number: ux uy" per node of the model, the i-th
// row being node i whatever its number; rows beyond the nodes are ignored and
// reading stops at the first malformed row, leaving the rest 0. Marks the
// model solved when the file could be read. When it cannot, the notifier shows
// "节点位移文件读取错误!", the model is left unsolved and the result is false.
bool ReadDisplacements(const std::string& path, Model& model);

}  // namespace kestrix

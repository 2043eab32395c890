#pragma once
// Saving a Model as a model file, the text that Solvane reads and that Open
// rebuilds the model from.

#include <string>

#include "model.h"

namespace kestrix {

// The model file of `model`: material, nodes, elements, constraints, forces,
// distributed loads, geometric points, polygons and the end marker, every
// list oldest first, reals with six significant digits.
std::string FormatModelFile(const Model& model);

// Writes the model file to `path`. When the file cannot be written the model's
// notifier shows "有限元信息文件输出失败!" and the result is false; the model
// is left as it is either way.
bool ExportModelFile(const Model& model, const std::string& path);

}  // namespace kestrix

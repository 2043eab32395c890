#pragma once
// The names of the changes to the model as the Undo and Redo items show them
// ("Undo Mesh polygon 1"), taken from the model just before the change.

#include <string>

#include "model.h"

namespace kestrix {

inline constexpr const char* kMaterialStepName = "Set material and thickness";

// "Create point (4, 0)".
std::string GeoPtStepName(double x, double y);
// "Create polygon from 4 points", the points picked for it.
std::string PolygonStepName(const Model& model);
// "Mesh polygon 1", or "Mesh polygons 0, 2": the selected polygons.
std::string MeshStepName(const Model& model);
// "Apply constraints to 3 nodes", "Apply forces to 1 node": the selected nodes.
std::string ConstraintStepName(const Model& model);
std::string ForceStepName(const Model& model);
// "Apply edge loads to 2 edges": the selected edges.
std::string EdgeLoadStepName(const Model& model);
// "Clear mesh of polygon 1" with polygons selected, else "Delete supports and
// loads on 3 nodes and 0 edges".
std::string DeleteStepName(const Model& model);

}  // namespace kestrix

#pragma once
// The model as the main window paints it, mapped through the view onto a canvas.

#include "canvas.h"
#include "model.h"
#include "view_transform.h"

namespace kestrix {

// Nodes, the numbers asked for, geometric points, polygons, element outlines,
// element edges, constraints, forces and distributed loads, each layer over
// the ones before. Selection shows as red and a wider pen.
void DrawStructure(const Model& model, const ViewTransform& view, Canvas& canvas,
                   bool nodeNumbers, bool elementNumbers);

// The mesh moved by the displacements of the last solve, magnified; nothing
// without elements or when nothing moved.
void DrawDeformedShape(const Model& model, const ViewTransform& view, Canvas& canvas);

// The support reactions of the last solve as arrows at the fixed nodes of the
// deformed mesh, the largest component a tenth of the model size long;
// nothing when no reaction was read or all are 0.
void DrawReactions(const Model& model, const ViewTransform& view, Canvas& canvas);

}  // namespace kestrix

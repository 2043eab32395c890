#pragma once
// The model as the main window paints it, mapped through the view onto a canvas.

#include "canvas.h"
#include "display_options.h"
#include "model.h"
#include "view_transform.h"

namespace kestrix {

// Nodes, the numbers asked for, geometric points, polygons, element outlines,
// element edges, constraints, forces and distributed loads, each layer over
// the ones before, with the numbers that `display` asks for. Selection shows
// as red and a wider pen.
void DrawStructure(const Model& model, const ViewTransform& view, Canvas& canvas,
                   const DisplayOptions& display);

// The mesh moved by the displacements of the last solve, magnified by
// `scale`; nothing without elements or with a scale of 0 (nothing moved).
void DrawDeformedShape(const Model& model, const ViewTransform& view, Canvas& canvas,
                       double scale);

// The support reactions of the last solve as arrows at the fixed nodes of the
// deformed mesh drawn with `deformationScale`, the largest component a tenth
// of the model size long; nothing when no reaction was read or all are 0.
void DrawReactions(const Model& model, const ViewTransform& view, Canvas& canvas,
                   double deformationScale);
// Their model length per unit of force; 0 when there are none to draw.
double ReactionArrowScale(const Model& model);

}  // namespace kestrix

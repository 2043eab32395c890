#pragma once
// What the plot draws over the banded field: mesh lines and outlines, the
// markers of the nodes with the minimum and the maximum, and notes in boxes.

#include <string_view>
#include <vector>

#include "mesh_edges.h"
#include "nodal_field.h"
#include "picture_canvas.h"

namespace ambrel {

// The edges between node positions in pixels, those that can touch the plot.
void DrawEdges(Canvas& canvas, const PixelRect& plot, const std::vector<PixelPoint>& pixels,
               const std::vector<MeshEdge>& edges, const Pen& pen);

// A disc on each of the two nodes, labelled with the value and the node
// number: the maximum's label above its node, the minimum's below, both kept
// inside the plot.
void DrawExtremeMarkers(Canvas& canvas, const PixelRect& plot,
                        const std::vector<PixelPoint>& pixels, const FieldExtremes& extremes);

// One line of text on a white box with a thin frame, its top-left corner at (x, y).
void DrawBoxedText(Canvas& canvas, int x, int y, std::string_view text, Rgb colour);

// The size of such a box around the text.
TextExtent BoxedTextExtent(Canvas& canvas, std::string_view text);

}  // namespace ambrel

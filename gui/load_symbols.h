#pragma once
// The symbols of supports and loads: constraint bow-ties, force arrows,
// distributed-load diagrams, and the reaction arrows of a solve.

#include "constraint.h"
#include "distributed_load.h"
#include "model_plotter.h"
#include "nodal_force.h"
#include "node_reaction.h"

namespace kestrix {

// The sides of a constraint's triangles, in pixels.
inline constexpr double kConstraintSymbolLength = 15.0;
// Arrowheads are this share of the client height long on screen.
inline constexpr double kArrowheadShare = 0.03;

// The end of an arrow from `tail` along (fx, fy), scale × |(fx, fy)| long.
ModelPosition ArrowTip(ModelPosition tail, double fx, double fy, double scale);

// Where a force's arrow ends: from the node in the force's direction, its
// length the force times `scale`.
ModelPosition NodalForceTip(const NodalForce& force, double scale);

// The load line of an edge load: the ends offset from the edge by the
// intensities times `scale`, to the left of i -> j for positive loads.
struct LoadLine {
  ModelPosition atI;
  ModelPosition atJ;
};
LoadLine DistributedLoadLine(const DistributedLoad& load, double scale);

// Narrow triangles pointing at the node, from left and right for a fixed x,
// from below and above for a fixed y; a fixed size in pixels. Yellow, darker
// on a white background, where pure yellow hardly shows.
void DrawConstraint(const ModelPlotter& plotter, const Constraint& constraint,
                    bool whiteBackground);

// An arrow from the node in the force's direction, its length the force times
// `scale` (the model's force scale); nothing for a zero force.
void DrawNodalForce(const ModelPlotter& plotter, const NodalForce& force, double scale);

// A support reaction as a wide arrow from `node` (where the node is drawn) in
// the reaction's direction, its length the reaction times `scale`; nothing
// for a zero reaction.
void DrawReaction(const ModelPlotter& plotter, ModelPosition node, const NodeReaction& reaction,
                  double scale);

// The load line offset from the edge by the intensities times `scale` (the
// model's distributed-load scale), the two end ordinates and an arrowhead at
// each end of non-zero load.
void DrawDistributedLoad(const ModelPlotter& plotter, const DistributedLoad& load, double scale);

}  // namespace kestrix

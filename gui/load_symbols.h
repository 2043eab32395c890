#pragma once
// The symbols of supports and loads: constraint bow-ties, force arrows,
// distributed-load diagrams, and the reaction arrows of a solve.

#include "constraint.h"
#include "distributed_load.h"
#include "model_plotter.h"
#include "nodal_force.h"
#include "node_reaction.h"

namespace kestrix {

// Narrow triangles pointing at the node, from left and right for a fixed x,
// from below and above for a fixed y; a fixed size in pixels.
void DrawConstraint(const ModelPlotter& plotter, const Constraint& constraint);

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

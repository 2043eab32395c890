#pragma once
// Reading the support reactions that Solvane wrote to "Node_Reaction.txt"
// back into the model, after a solve, for drawing them at the fixed nodes.

#include <string>

#include "model.h"

namespace kestrix {

// Takes the file at `path` only when it holds the header "Node RX RY", one
// row per fixed node of the model (a node with a fixed direction), in node
// order, each with two finite reals, and the closing row "Sum:". A missing
// file gives no reactions and no message (a solver that writes none); a
// damaged one gives none and a message naming the line. Returns whether
// reactions were read.
bool ReadReactions(const std::string& path, Model& model);

}  // namespace kestrix

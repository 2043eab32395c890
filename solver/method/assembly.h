#pragma once
// Assembly of the element stiffness matrices into the upper band of the
// global matrix, with the percentage shown on the console.

#include "method/analysis_data.h"
#include "method/element.h"

namespace solvane {

// Prints "Assembling the global stiffness matrix...", allocates the band
// (neq x halfBandwidth, zeroed) and adds the upper triangle of every element
// matrix to it, element after element.
void AssembleStiffness(AnalysisData& data);

// The global DOFs of element e: entry 2k + c is direction c of corner k.
using ElementDofs = int[kDofPerElement];
void GatherDofs(const AnalysisData& data, int e, ElementDofs dofs);

// Adds the entries on and above the diagonal of ke to the band at the global
// DOFs `dofs`; an entry whose row DOF is the larger one goes to its mirror.
void ScatterIntoBand(Band& band, const ElementDofs dofs, const ElementMatrix ke);

}  // namespace solvane

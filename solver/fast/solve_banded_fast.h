#pragma once
// The banded elimination and back substitution of SolveBanded, reorganised for
// speed: pivots are applied a block at a time over cache-sized tiles with
// vector instructions on both cores. Every band entry still receives the same
// updates in the same order with the same roundings, so U, F and the band end
// bit for bit as SolveBanded leaves them, and the progress text is the same.

#include "fast/trailing_update.h"
#include "method/band.h"

namespace solvane {

// With the panel update of the widest instruction set the processor runs.
void SolveBandedFast(Band& K, double* U, double* F);

// With the given panel update, which the processor must be able to run.
void SolveBandedFastWith(const TrailingUpdateKernel& kernel, Band& K, double* U, double* F);

}  // namespace solvane

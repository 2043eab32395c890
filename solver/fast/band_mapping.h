#pragma once
// The first touch of a large band, shared between threads.

#include "fast/shared_chunks.h"
#include "method/band.h"

namespace solvane {

// Maps every page of the band ahead of the assembly, in pieces that the
// threads of `chunks` take in turn, so that both threads take the page faults.
void MapBandShared(Band& band, SharedChunks& chunks);

}  // namespace solvane

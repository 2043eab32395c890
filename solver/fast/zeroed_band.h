#pragma once
// Storage for the band, which is large enough that its first touch costs more
// than filling it.

#include <cstddef>
#include <vector>

#include "fast/shared_chunks.h"

namespace solvane {

// Makes `band` hold `entries` zeros in storage allocated afresh. Where the
// system allows it the storage is backed by huge pages, which the kernel
// clears and maps many times faster than ordinary pages, and its pages are
// first touched in pieces shared by the threads of `chunks`.
void AllocateZeroedBand(std::vector<double>& band, std::size_t entries, SharedChunks& chunks);

}  // namespace solvane

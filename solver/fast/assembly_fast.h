#pragma once
// The assembly of AssembleStiffness on two threads, with the very bits and
// the same console text.

#include <functional>

#include "method/analysis_data.h"

namespace solvane {

// Maps the band's pages on both threads, then computes the element matrices
// four at a time a block ahead of their turn, on both threads, while the
// calling thread adds each block to the band in element order.
void AssembleStiffnessFast(AnalysisData& data);

// The same after `before`, which runs on the calling thread while the helper
// thread already maps the band's pages, so that the two overlap; the console
// text of the assembly follows that of `before`. False, without assembling,
// when `before` returns false; the helper is stopped and joined however
// `before` ends. Should `before` run out of memory while the band's storage is
// held, the storage is given back and `before` runs once more without it.
bool AssembleStiffnessFastAfter(AnalysisData& data, const std::function<bool()>& before);

}  // namespace solvane

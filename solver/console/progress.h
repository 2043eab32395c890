#pragma once
// The percentage shown while a long step runs, redrawn in place on one console
// line: the first step prints "NN%Completed." and backs over it, the steps in
// between overwrite the two-digit number, the last prints the full text again
// followed by `lastEnding`.

#include <string>
#include <string_view>

namespace solvane {

// The text printed after step `step` (0-based) of `steps`, whose percentage is
// ((step + 1) * 100) / steps, truncated. The first-step form wins when there is
// only one step.
std::string ProgressText(long long step, long long steps, std::string_view lastEnding);

// Prints ProgressText; the console is flushed only when the number changes.
void PrintProgress(long long step, long long steps, std::string_view lastEnding);

}  // namespace solvane

#pragma once
// Writes the rows of a result file in their order while formatting them in
// blocks on two threads when the machine has two cores and the file has rows
// enough to pay for a thread: each block goes to whichever thread asks first,
// and the calling thread writes the formatted blocks in their turn.

#include <functional>
#include <string>

#include "output/result_file.h"

namespace solvane {

// Rows formatted together, by one thread.
inline constexpr int kRowsPerBlock = 1024;

// Appends the whole lines of row `row` to `text`. Called from both threads at
// once, for different rows, so it must only read shared data.
using FormatRow = std::function<void(std::string& text, int row)>;

// Writes rows 0 to count - 1 to `file`, in that order.
void WriteOrderedRows(ResultFile& file, int count, const FormatRow& formatRow);

}  // namespace solvane

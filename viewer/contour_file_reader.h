#pragma once
// Reads the solver's contour file: "NPOIN=" and "NELEM=" lines, then one row
// "x,y,SX,SY,TXY,SE" per node and one row of four node numbers per element.
// Anything else is refused with the line named: counts that do not match the
// rows, node numbers out of range, fields that are not numbers, and a last
// line without its line break (a file the solver is still writing).

#include <string>
#include <string_view>

#include "contour_mesh.h"
#include "read_error.h"

namespace ambrel {

// `text` is the file's content; `fileName` names it in errors.
ReadResult<ContourMesh> ParseContourFile(std::string_view text, const std::string& fileName);

}  // namespace ambrel

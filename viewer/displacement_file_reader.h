#pragma once
// Reads the solver's displacement table: the header "Node dx dy", then one
// row "n: dx dy" per node in node order. The rows must be exactly the mesh's
// nodes, numbered 0, 1, 2, ... in order; anything else is refused with the
// line named.

#include <string>
#include <string_view>
#include <vector>

#include "contour_mesh.h"
#include "read_error.h"

namespace ambrel {

ReadResult<std::vector<Displacement>> ParseDisplacementFile(std::string_view text,
                                                            const std::string& fileName,
                                                            int nodeCount);

}  // namespace ambrel

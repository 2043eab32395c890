#pragma once
// Deleting on the current selection, from the Delete key and the Edit menu:
// the one place where the model loses supports, loads or a mesh.

namespace kestrix {

class Workspace;

// With polygons selected, clears their meshes (or says why they stay) and
// deselects them; otherwise removes the constraints, forces and edge loads
// on the selected nodes and edges. Says so when there is nothing to delete.
void DeleteCommand(Workspace& workspace);

}  // namespace kestrix

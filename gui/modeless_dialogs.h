#pragma once
// The modeless dialogs that stay beside the main window and act on every
// "Apply": creating geometric points and polygons, meshing, forces,
// distributed loads and the choice of deformed-shape display.

namespace kestrix {

class Workspace;

// Opens the modeless dialog with resource id `dialogId` (103, 104, 105, 106,
// 108 or 109). It acts on whatever model the workspace holds at the time.
void OpenModelingDialog(Workspace& workspace, int dialogId);

}  // namespace kestrix

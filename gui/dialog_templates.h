#pragma once
// The eight dialogs of Kestrix (resources 102 to 109) and their control ids.

#include "dialog_template.h"

namespace kestrix {

namespace dialog_id {
inline constexpr int kBoundaryCondition = 102;
inline constexpr int kCreateGeoPt = 103;
inline constexpr int kCreatePolygon = 104;
inline constexpr int kMeshQuad = 105;
inline constexpr int kForce = 106;
inline constexpr int kMaterial = 107;
inline constexpr int kDistributedLoad = 108;
inline constexpr int kDeformedShape = 109;
}  // namespace dialog_id

namespace control_id {
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kUx = 1002;
inline constexpr int kUy = 1003;
inline constexpr int kGeoPtApply = 1003;
inline constexpr int kGeoPtX = 1004;
inline constexpr int kGeoPtY = 1005;
inline constexpr int kPolygonApply = 1006;
inline constexpr int kMesh = 1007;
inline constexpr int kMeshLn = 1008;
inline constexpr int kMeshWn = 1009;
inline constexpr int kMeshExit = 1021;
inline constexpr int kForceApply = 1010;
inline constexpr int kForceFx = 1011;
inline constexpr int kForceFy = 1012;
inline constexpr int kMaterialE = 1012;
inline constexpr int kMaterialMu = 1015;
inline constexpr int kMaterialThick = 1017;
inline constexpr int kLoadQj = 1019;
inline constexpr int kLoadApply = 1020;
inline constexpr int kLoadQi = 1021;
inline constexpr int kDefOnly = 1022;
inline constexpr int kDefAndUndeformed = 1023;
inline constexpr int kDeformedApply = 1025;
inline constexpr int kDeformScale = 1026;
inline constexpr int kDeformAutoScale = 1027;
}  // namespace control_id

// The template with the given resource id; every id above has one.
const DialogTemplate& FindDialogTemplate(int dialogId);

}  // namespace kestrix

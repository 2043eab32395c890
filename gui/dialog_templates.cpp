#include "dialog_templates.h"

#include <algorithm>
#include <cstdlib>

namespace kestrix {
namespace {

using enum ControlKind;
using namespace control_id;

constexpr const char* kSystemFont = "System";
constexpr int kSystemFontPoints = 10;

ControlTemplate Label(std::string text, int x, int y, int width, int height) {
  return {kNoControlId, Static, std::move(text), x, y, width, height};
}

ControlTemplate OkButton(int x, int y, int width, int height) {
  return {kOk, DefaultPushButton, "OK", x, y, width, height};
}

ControlTemplate CancelButton(int x, int y, int width, int height) {
  return {kCancel, PushButton, "Cancel", x, y, width, height};
}

std::vector<DialogTemplate> BuildTemplates() {
  using namespace dialog_id;
  return {
      {kBoundaryCondition, "Boundary Condition", 89, 62, true, kSystemFont, kSystemFontPoints,
       {OkButton(7, 41, 29, 14), CancelButton(54, 41, 28, 14),
        {kUy, CheckBox, "UY", 7, 22, 26, 10}, {kUx, CheckBox, "UX", 7, 7, 26, 10}}},
      {kCreateGeoPt, "Create GeoPt", 140, 77, false, kSystemFont, kSystemFontPoints,
       {OkButton(19, 56, 50, 14), CancelButton(83, 56, 50, 14),
        {kGeoPtApply, PushButton, "Apply", 83, 25, 50, 14}, Label("x", 7, 9, 8, 8),
        Label("y", 7, 26, 8, 8), {kGeoPtX, Edit, "", 16, 7, 55, 14},
        {kGeoPtY, Edit, "", 16, 25, 55, 14}}},
      {kCreatePolygon, "Create Polygon", 176, 91, false, kSystemFont, kSystemFontPoints,
       {OkButton(7, 70, 50, 14), CancelButton(85, 70, 50, 14),
        {kPolygonApply, PushButton, "Apply", 47, 37, 50, 14},
        Label("  Before creating the polygon, pick the points first!", 7, 7, 162, 8),
        Label("And then push the \"Apply\" button below.", 7, 18, 130, 8)}},
      {kMeshQuad, "Meshing Quad( 4 Node )", 172, 118, false, kSystemFont, kSystemFontPoints,
       {{kMeshExit, PushButton, "Exit", 60, 97, 50, 14},
        Label("  Before meshing the polygon into quadrangular elements(4Node), pick it first! And "
              "then push the \"Mesh\" button below.Length to be divided into LN parts and  width "
              "into WN parts",
              7, 7, 158, 38),
        {kMesh, PushButton, "Mesh", 95, 47, 40, 36}, {kMeshLn, Edit, "", 38, 47, 40, 14},
        Label("LN=", 21, 48, 14, 8), {kMeshWn, Edit, "", 38, 70, 40, 14},
        Label("WN=", 21, 71, 17, 8)}},
      {kForce, "Force", 138, 99, false, kSystemFont, kSystemFontPoints,
       {OkButton(18, 78, 50, 14), CancelButton(81, 78, 50, 14),
        {kForceApply, PushButton, "Apply", 88, 30, 43, 36}, Label("Fx=", 7, 34, 13, 8),
        {kForceFx, Edit, "", 28, 31, 58, 14}, Label("Fy=", 7, 55, 13, 8),
        {kForceFy, Edit, "", 28, 52, 58, 14},
        Label("Before apply force to the nodes, you must pick them firstly!", 7, 7, 124, 20)}},
      {kMaterial, "Material and Thick", 147, 100, true, kSystemFont, kSystemFontPoints,
       {OkButton(7, 79, 50, 14), CancelButton(76, 79, 50, 14),
        Label("Young's Modulus E=", 7, 14, 69, 8), {kMaterialE, Edit, "", 83, 13, 48, 14},
        Label("Poisson's Ratio Mu=", 7, 32, 69, 8), {kMaterialMu, Edit, "", 83, 31, 48, 14},
        Label("Thick t=", 50, 50, 26, 8), {kMaterialThick, Edit, "", 83, 49, 48, 14}}},
      {kDistributedLoad, "Distributed Load", 118, 99, false, kSystemFont, kSystemFontPoints,
       {OkButton(7, 78, 50, 14), CancelButton(61, 78, 50, 14),
        Label("Before apply distributed load to the element edges, you must pick them firstly!",
              7, 7, 104, 28),
        {kLoadQj, Edit, "", 21, 52, 41, 14}, Label("qj=", 7, 55, 11, 8),
        {kLoadApply, PushButton, "Apply", 73, 34, 38, 32}, {kLoadQi, Edit, "", 21, 36, 41, 14},
        Label("qi=", 7, 39, 11, 8)}},
      {kDeformedShape, "Deformed shape", 232, 90, false, "MS Shell Dlg", 8,
       {OkButton(7, 67, 50, 14), CancelButton(65, 67, 50, 14),
        {kDefOnly, RadioButton, "Def only", 7, 14, 43, 10},
        {kDefAndUndeformed, RadioButton, "Def + UnDeformed", 7, 30, 77, 10},
        {kDeformedApply, PushButton, "Apply", 35, 48, 50, 14},
        Label("Scale (empty: automatic)", 100, 7, 125, 8),
        {kDeformScale, Edit, "", 100, 18, 80, 14},
        {kDeformAutoScale, Static, "", 100, 36, 125, 8}}},
  };
}

}  // namespace

const DialogTemplate& FindDialogTemplate(int dialogId) {
  static const std::vector<DialogTemplate> templates = BuildTemplates();
  const auto found = std::find_if(templates.begin(), templates.end(),
                                  [dialogId](const DialogTemplate& t) { return t.id == dialogId; });
  if (found == templates.end()) std::abort();
  return *found;
}

}  // namespace kestrix

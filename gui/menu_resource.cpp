#include "menu_resource.h"

namespace kestrix {
namespace {

MenuEntry Command(int id, std::string text, bool checked = false) {
  return {MenuEntry::Kind::Command, id, std::move(text), checked, {}, {}};
}

MenuEntry CommandWithKeys(int id, std::string text, std::string keys) {
  return {MenuEntry::Kind::Command, id, std::move(text), false, {}, std::move(keys)};
}

MenuEntry Separator() { return {MenuEntry::Kind::Separator, 0, {}, false, {}, {}}; }

MenuEntry Popup(std::string text, std::vector<MenuEntry> entries, int id = 0) {
  return {MenuEntry::Kind::Popup, id, std::move(text), false, std::move(entries), {}};
}

std::vector<MenuEntry> BuildMainMenu() {
  using namespace menu_id;
  return {
      Popup("&File", {CommandWithKeys(kNew, "&New", "Ctrl+N"),
                      CommandWithKeys(kOpen, "&Open...", "Ctrl+O"),
                      Popup("Open &Recent", {}, kRecentFilesMenu), Separator(),
                      CommandWithKeys(kSave, "&Save", "Ctrl+S"),
                      CommandWithKeys(kExport, "Save &As...", "Ctrl+Shift+S"), Separator(),
                      CommandWithKeys(kExit, "E&xit", "Ctrl+Q")}),
      Popup("&Edit", {CommandWithKeys(kUndo, "&Undo", "Ctrl+Z"),
                      CommandWithKeys(kRedo, "&Redo", "Ctrl+Shift+Z; Ctrl+Y"), Separator(),
                      CommandWithKeys(kDelete, "&Delete supports, loads or mesh", "Del")}),
      Popup("&View", {Command(kStructure, "Structure", true), Command(kNodeNumbers, "NodeNumbers"),
                      Command(kElemNumbers, "ElemNumbers"),
                      Command(kBlackBackground, "&Black background", true),
                      Command(kWhiteBackground, "&White background")}),
      Popup("&Pick", {Command(kPickGeoPt, "Pick &GeoPtWhichUsedToGeneratePolygon"),
                      Command(kPickPolygon, "Pick &Polygon"), Separator(),
                      Command(kPickNode, "Pick &Node"), Command(kPickElemEdge, "Pick E&lemEdge"),
                      Command(kPickElement, "Pick &Element"), Separator(),
                      Popup("Pick &Mode", {Command(kPointPick, "&PointPick"),
                                           Command(kRectanglePick, "&RectanglePick", true)})}),
      Popup("&Modeling", {Popup("&Create", {Command(kCreateGeoPt, "&GeoPt"),
                                            Command(kCreatePolygon, "&Polygon")}),
                          Command(kMaterial, "&Material and Thick")}),
      Popup("M&eshing", {Command(kMeshQuad, "Quad(&4Node)")}),
      Popup("&Apply", {Command(kForce, "&Force"), Command(kDistributedLoad, "&Distributed Load"),
                       Command(kBoundaryCondition, "&Boundary Condition")}),
      Popup("&Calculate", {Command(kSolve, "&Solve")}),
      Popup("&Result",
            {Command(kContour, "&Contour"), Command(kDeformedShape, "Deformed Shape"),
             Popup("Node Solution", {Command(kNodeDof, "DOF"), Command(kNodeStress, "Stress")}),
             Command(kElementStress, "Element Stress"), Command(kReactionForces, "Reaction Forces"),
             Command(kReactionArrows, "Reaction Arrows")}),
  };
}

}  // namespace

const std::vector<MenuEntry>& MainMenu() {
  static const std::vector<MenuEntry> menu = BuildMainMenu();
  return menu;
}

}  // namespace kestrix

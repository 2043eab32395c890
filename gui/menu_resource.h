#pragma once
// The main window's menu (resource 101): command ids, texts with their "&"
// mnemonics and initial check marks, as data that the backend builds from.

#include <string>
#include <vector>

namespace kestrix {

namespace menu_id {
inline constexpr int kOpen = 40001;
inline constexpr int kExport = 40021;
inline constexpr int kStructure = 40040;
inline constexpr int kNodeNumbers = 40027;
inline constexpr int kElemNumbers = 40029;
inline constexpr int kBlackBackground = 40017;
inline constexpr int kWhiteBackground = 40018;
inline constexpr int kPickGeoPt = 40013;
inline constexpr int kPickPolygon = 40014;
inline constexpr int kPickNode = 40002;
inline constexpr int kPickElemEdge = 40003;
inline constexpr int kPickElement = 40004;
inline constexpr int kPointPick = 40005;
inline constexpr int kRectanglePick = 40006;
inline constexpr int kCreateGeoPt = 40011;
inline constexpr int kCreatePolygon = 40012;
inline constexpr int kMaterial = 40022;
inline constexpr int kMeshQuad = 40016;
inline constexpr int kForce = 40019;
inline constexpr int kDistributedLoad = 40023;
inline constexpr int kBoundaryCondition = 40010;
inline constexpr int kSolve = 40025;
inline constexpr int kContour = 40042;
inline constexpr int kDeformedShape = 40038;
inline constexpr int kNodeDof = 40034;
inline constexpr int kNodeStress = 40035;
inline constexpr int kElementStress = 40036;
inline constexpr int kReactionForces = 40043;
inline constexpr int kReactionArrows = 40044;
// The commands of a desktop program's File and Edit menus.
inline constexpr int kNew = 40201;
inline constexpr int kSave = 40202;
inline constexpr int kExit = 40203;
inline constexpr int kUndo = 40204;
inline constexpr int kRedo = 40205;
inline constexpr int kDelete = 40206;
// The popup of recent files and its entries, the newest first.
inline constexpr int kRecentFilesMenu = 40210;
inline constexpr int kRecentFileFirst = 40211;
inline constexpr int kRecentFileLast = 40219;
}  // namespace menu_id

// One entry of a menu: a command, a separator, or a popup with entries of its
// own. A popup that the program fills while it runs has an id. `keys` lists a
// command's shortcuts, separated by "; " ("Ctrl+Shift+Z; Ctrl+Y").
struct MenuEntry {
  enum class Kind { Command, Separator, Popup };
  Kind kind = Kind::Command;
  int id = 0;
  std::string text;
  bool checked = false;
  std::vector<MenuEntry> entries;
  std::string keys;
};

// The popups of the menu bar, left to right.
const std::vector<MenuEntry>& MainMenu();

}  // namespace kestrix

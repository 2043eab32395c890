#pragma once
// A dialog described as data: caption, size, font and controls with their ids,
// texts and positions in dialog units. The backend builds its widgets from it;
// the order of the controls is also the tab order.

#include <string>
#include <vector>

namespace kestrix {

enum class ControlKind { DefaultPushButton, PushButton, CheckBox, RadioButton, Edit, Static };

// Static texts have no id of their own.
inline constexpr int kNoControlId = -1;

struct ControlTemplate {
  int id = kNoControlId;
  ControlKind kind = ControlKind::Static;
  std::string text;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

struct DialogTemplate {
  int id = 0;
  std::string caption;
  int width = 0;
  int height = 0;
  bool modal = false;
  std::string fontFace;
  int fontPoints = 0;
  std::vector<ControlTemplate> controls;
};

}  // namespace kestrix

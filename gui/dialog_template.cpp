#include "dialog_template.h"

namespace kestrix {

bool IsTabStop(ControlKind kind) {
  return kind != ControlKind::Static && kind != ControlKind::RadioButton;
}

}  // namespace kestrix

#pragma once
// Check marks on the items of the main window's menu.

namespace kestrix {

class MenuChecks {
 public:
  virtual ~MenuChecks() = default;
  virtual void SetChecked(int menuId, bool checked) = 0;
};

}  // namespace kestrix

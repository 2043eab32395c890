#pragma once
// What a dialog's behaviour sees of an open dialog: its controls by id, and
// the way to end it.

#include <string>

namespace kestrix {

class DialogControls {
 public:
  virtual ~DialogControls() = default;
  virtual std::string Text(int controlId) const = 0;
  virtual void SetText(int controlId, const std::string& text) = 0;
  // Check boxes and radio buttons.
  virtual bool IsChecked(int controlId) const = 0;
  virtual void SetChecked(int controlId, bool checked) = 0;
  // Closes the dialog; a modal dialog returns `result` to whoever opened it.
  virtual void End(int result) = 0;
};

// What a dialog does: it fills its controls when it opens and reacts to its
// push buttons, check boxes and radio buttons by control id. Esc and the close
// box arrive as Cancel (id 2), Enter as the default button.
class DialogBehaviour {
 public:
  virtual ~DialogBehaviour() = default;
  virtual void OnOpen(DialogControls& /*controls*/) {}
  virtual void OnCommand(int controlId, DialogControls& controls) = 0;
};

}  // namespace kestrix

#pragma once
// The two modal dialogs: the main window waits for OK or Cancel, then acts.

#include "dialog_controls.h"
#include "model.h"

namespace kestrix {

// "Boundary Condition": both boxes start clear; OK (result 1) keeps which of
// UX and UY were ticked, for the main window to constrain the selected nodes.
class BoundaryConditionDialog : public DialogBehaviour {
 public:
  void OnCommand(int controlId, DialogControls& controls) override;
  bool ux() const { return m_ux; }
  bool uy() const { return m_uy; }

 private:
  bool m_ux = false;
  bool m_uy = false;
};

// "Material and Thick": shows the model's E, Mu and Thick; OK (result 1) sets
// the values typed, once E and Thick are above 0 and -1 < Mu < 0.5; until
// then OK names the field at fault and the dialog stays open.
class MaterialDialog : public DialogBehaviour {
 public:
  explicit MaterialDialog(Model& model) : m_model(model) {}
  void OnOpen(DialogControls& controls) override;
  void OnCommand(int controlId, DialogControls& controls) override;

 private:
  Model& m_model;
};

}  // namespace kestrix

#include "modal_dialogs.h"

#include "dialog_templates.h"
#include "field_numbers.h"

namespace kestrix {

void BoundaryConditionDialog::OnCommand(int controlId, DialogControls& controls) {
  if (controlId == control_id::kOk) {
    ux_ = controls.IsChecked(control_id::kUx);
    uy_ = controls.IsChecked(control_id::kUy);
    controls.End(1);
  } else if (controlId == control_id::kCancel) {
    controls.End(0);
  }
}

void MaterialDialog::OnOpen(DialogControls& controls) {
  controls.SetText(control_id::kMaterialE, RealToField(model_.E()));
  controls.SetText(control_id::kMaterialMu, RealToField(model_.Mu()));
  controls.SetText(control_id::kMaterialThick, RealToField(model_.Thick()));
}

void MaterialDialog::OnCommand(int controlId, DialogControls& controls) {
  if (controlId == control_id::kOk) {
    model_.SetMaterial(FieldToReal(controls.Text(control_id::kMaterialE)),
                       FieldToReal(controls.Text(control_id::kMaterialMu)),
                       FieldToReal(controls.Text(control_id::kMaterialThick)));
    controls.End(1);
  } else if (controlId == control_id::kCancel) {
    controls.End(0);
  }
}

}  // namespace kestrix

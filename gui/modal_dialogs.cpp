#include "modal_dialogs.h"

#include "dialog_templates.h"
#include "field_numbers.h"

namespace kestrix {

void BoundaryConditionDialog::OnCommand(int controlId, DialogControls& controls) {
  if (controlId == control_id::kOk) {
    m_ux = controls.IsChecked(control_id::kUx);
    m_uy = controls.IsChecked(control_id::kUy);
    controls.End(1);
  } else if (controlId == control_id::kCancel) {
    controls.End(0);
  }
}

void MaterialDialog::OnOpen(DialogControls& controls) {
  controls.SetText(control_id::kMaterialE, RealToField(m_model.E()));
  controls.SetText(control_id::kMaterialMu, RealToField(m_model.Mu()));
  controls.SetText(control_id::kMaterialThick, RealToField(m_model.Thick()));
}

void MaterialDialog::OnCommand(int controlId, DialogControls& controls) {
  if (controlId == control_id::kOk) {
    m_model.SetMaterial(FieldToReal(controls.Text(control_id::kMaterialE)),
                       FieldToReal(controls.Text(control_id::kMaterialMu)),
                       FieldToReal(controls.Text(control_id::kMaterialThick)));
    controls.End(1);
  } else if (controlId == control_id::kCancel) {
    controls.End(0);
  }
}

}  // namespace kestrix

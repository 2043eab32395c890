#include "modal_dialogs.h"

#include "dialog_templates.h"
#include "field_numbers.h"
#include "field_reader.h"

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
    FieldReader fields(controls);
    const double E = fields.Real(control_id::kMaterialE, "Young's Modulus E=", kPositiveReal);
    const double Mu = fields.Real(control_id::kMaterialMu, "Poisson's Ratio Mu=", kPoissonsRatio);
    const double Thick = fields.Real(control_id::kMaterialThick, "Thick t=", kPositiveReal);
    if (!fields.AllValid(m_model.notifier())) return;
    m_model.SetMaterial(E, Mu, Thick);
    controls.End(1);
  } else if (controlId == control_id::kCancel) {
    controls.End(0);
  }
}

}  // namespace kestrix

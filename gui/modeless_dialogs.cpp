#include "modeless_dialogs.h"

#include <memory>

#include "deformation_scale_choice.h"
#include "deformed_shape.h"
#include "dialog_templates.h"
#include "field_numbers.h"
#include "field_reader.h"
#include "workspace.h"
#include "model_step_names.h"
#include "real_text.h"

namespace kestrix {
namespace {

// A dialog whose apply button acts and keeps it open, whose OK acts and
// closes it, and whose Cancel (or close button) only closes it. Each action
// repaints the main window; the fields keep their text for the next action.
// An action refused for a field that holds no valid number changes nothing
// and leaves the dialog open, OK too.
class ApplyingDialog : public DialogBehaviour {
 public:
  ApplyingDialog(Workspace& workspace, int applyId, int closeId = control_id::kCancel)
      : m_workspace(workspace), m_applyId(applyId), m_closeId(closeId) {}

  void OnCommand(int controlId, DialogControls& controls) override {
    if (controlId == m_applyId || controlId == control_id::kOk) {
      if (!Apply(controls)) return;
      m_workspace.UpdateDocumentFrame();
      m_workspace.services().repaint.FullRepaint();
      if (controlId == control_id::kOk) controls.End(1);
    } else if (controlId == m_closeId || controlId == control_id::kCancel) {
      controls.End(0);
    }
  }

 protected:
  // False when the fields did not hold what the action needs.
  virtual bool Apply(DialogControls& controls) = 0;
  Workspace& workspace() const { return m_workspace; }
  Notifier& notifier() const { return m_workspace.services().notifier; }
  Model& model() const { return m_workspace.model(); }

 private:
  Workspace& m_workspace;
  int m_applyId;
  int m_closeId;
};

// Adds the typed point and refits the view to the model, discarding pan and zoom.
class CreateGeoPtDialog : public ApplyingDialog {
 public:
  explicit CreateGeoPtDialog(Workspace& workspace)
      : ApplyingDialog(workspace, control_id::kGeoPtApply) {}
  bool Apply(DialogControls& controls) override {
    FieldReader fields(controls);
    const double x = fields.Real(control_id::kGeoPtX, "x");
    const double y = fields.Real(control_id::kGeoPtY, "y");
    if (!fields.AllValid(notifier())) return false;
    workspace().RecordModelStep(GeoPtStepName(x, y));
    model().CreateGeoPt(x, y);
    workspace().RefitToModel();
    return true;
  }
};

class CreatePolygonDialog : public ApplyingDialog {
 public:
  explicit CreatePolygonDialog(Workspace& workspace)
      : ApplyingDialog(workspace, control_id::kPolygonApply) {}
  bool Apply(DialogControls&) override {
    workspace().RecordModelStep(PolygonStepName(model()));
    model().CreatePolygonFromPickedPoints();
    return true;
  }
};

class MeshQuadDialog : public ApplyingDialog {
 public:
  explicit MeshQuadDialog(Workspace& workspace)
      : ApplyingDialog(workspace, control_id::kMesh, control_id::kMeshExit) {}
  bool Apply(DialogControls& controls) override {
    FieldReader fields(controls);
    const int LN = fields.Count(control_id::kMeshLn, "LN=");
    const int WN = fields.Count(control_id::kMeshWn, "WN=");
    if (!fields.AllValid(notifier())) return false;
    workspace().RecordModelStep(MeshStepName(model()));
    model().MeshSelectedPolygons(LN, WN);
    return true;
  }
};

class ForceDialog : public ApplyingDialog {
 public:
  explicit ForceDialog(Workspace& workspace) : ApplyingDialog(workspace, control_id::kForceApply) {}
  bool Apply(DialogControls& controls) override {
    FieldReader fields(controls);
    const double Fx = fields.Real(control_id::kForceFx, "Fx=");
    const double Fy = fields.Real(control_id::kForceFy, "Fy=");
    if (!fields.AllValid(notifier())) return false;
    workspace().RecordModelStep(ForceStepName(model()));
    model().ApplyForce(Fx, Fy);
    return true;
  }
};

class DistributedLoadDialog : public ApplyingDialog {
 public:
  explicit DistributedLoadDialog(Workspace& workspace)
      : ApplyingDialog(workspace, control_id::kLoadApply) {}
  bool Apply(DialogControls& controls) override {
    FieldReader fields(controls);
    const double qi = fields.Real(control_id::kLoadQi, "qi=");
    const double qj = fields.Real(control_id::kLoadQj, "qj=");
    if (!fields.AllValid(notifier())) return false;
    workspace().RecordModelStep(EdgeLoadStepName(model()));
    model().ApplyDistributedLoad(qi, qj);
    return true;
  }
};

// The radio choice outlives the dialog; applying shows the deformed mesh,
// alone or over the structure, with the scale typed (a number above 0) or,
// with the field empty, the automatic one that the dialog shows.
class DeformedShapeDialog : public ApplyingDialog {
 public:
  explicit DeformedShapeDialog(Workspace& workspace)
      : ApplyingDialog(workspace, control_id::kDeformedApply) {}

  void OnOpen(DialogControls& controls) override {
    Mark(controls);
    const std::optional<double> own = workspace().display().deformationScale;
    controls.SetText(control_id::kDeformScale, own ? FormatReal(*own) : std::string());
    controls.SetText(control_id::kDeformAutoScale, AutomaticScaleText());
  }

  void OnCommand(int controlId, DialogControls& controls) override {
    if (controlId == control_id::kDefOnly || controlId == control_id::kDefAndUndeformed) {
      workspace().deformedShapeChoice() = controlId;
      Mark(controls);
      return;
    }
    ApplyingDialog::OnCommand(controlId, controls);
  }

  bool Apply(DialogControls& controls) override {
    std::optional<double> scale;
    if (!IsBlankField(controls.Text(control_id::kDeformScale))) {
      FieldReader fields(controls);
      scale = fields.Real(control_id::kDeformScale, "Scale", kPositiveReal);
      if (!fields.AllValid(notifier())) return false;
    }
    workspace().SetDeformationScale(scale);
    workspace().ShowDeformedShape(workspace().deformedShapeChoice() != control_id::kDefOnly);
    return true;
  }

 private:
  std::string AutomaticScaleText() const {
    if (!model().solved()) return "Automatic: after a solve";
    const double scale = DeformationScale(model());
    return scale > 0.0 ? "Automatic: " + FormatReal(scale) : "Automatic: none, nothing moved";
  }

  void Mark(DialogControls& controls) const {
    const int choice = workspace().deformedShapeChoice();
    controls.SetChecked(control_id::kDefOnly, choice == control_id::kDefOnly);
    controls.SetChecked(control_id::kDefAndUndeformed, choice == control_id::kDefAndUndeformed);
  }
};

std::unique_ptr<DialogBehaviour> MakeBehaviour(Workspace& workspace, int dialogId) {
  switch (dialogId) {
    case dialog_id::kCreateGeoPt: return std::make_unique<CreateGeoPtDialog>(workspace);
    case dialog_id::kCreatePolygon: return std::make_unique<CreatePolygonDialog>(workspace);
    case dialog_id::kMeshQuad: return std::make_unique<MeshQuadDialog>(workspace);
    case dialog_id::kForce: return std::make_unique<ForceDialog>(workspace);
    case dialog_id::kDistributedLoad: return std::make_unique<DistributedLoadDialog>(workspace);
    case dialog_id::kDeformedShape: return std::make_unique<DeformedShapeDialog>(workspace);
    default: return nullptr;
  }
}

}  // namespace

void OpenModelingDialog(Workspace& workspace, int dialogId) {
  std::unique_ptr<DialogBehaviour> behaviour = MakeBehaviour(workspace, dialogId);
  if (behaviour == nullptr) return;
  workspace.services().dialogs.OpenModeless(FindDialogTemplate(dialogId), std::move(behaviour));
}

}  // namespace kestrix

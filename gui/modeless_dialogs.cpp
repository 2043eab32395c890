#include "modeless_dialogs.h"

#include <memory>

#include "dialog_templates.h"
#include "field_numbers.h"
#include "main_window.h"
#include "model_step_names.h"

namespace kestrix {
namespace {

// A dialog whose apply button acts and keeps it open, whose OK acts and
// closes it, and whose Cancel (or close button) only closes it. Each action
// repaints the main window; the fields keep their text for the next action.
class ApplyingDialog : public DialogBehaviour {
 public:
  ApplyingDialog(MainWindow& window, int applyId, int closeId = control_id::kCancel)
      : m_window(window), m_applyId(applyId), m_closeId(closeId) {}

  void OnCommand(int controlId, DialogControls& controls) override {
    if (controlId == m_applyId || controlId == control_id::kOk) {
      Apply(controls);
      m_window.UpdateDocumentFrame();
      m_window.services().repaint.FullRepaint();
      if (controlId == control_id::kOk) controls.End(1);
    } else if (controlId == m_closeId || controlId == control_id::kCancel) {
      controls.End(0);
    }
  }

 protected:
  virtual void Apply(DialogControls& controls) = 0;
  MainWindow& window() const { return m_window; }
  Model& model() const { return m_window.model(); }

 private:
  MainWindow& m_window;
  int m_applyId;
  int m_closeId;
};

// Adds the typed point and refits the view to the model, discarding pan and zoom.
class CreateGeoPtDialog : public ApplyingDialog {
 public:
  explicit CreateGeoPtDialog(MainWindow& window)
      : ApplyingDialog(window, control_id::kGeoPtApply) {}
  void Apply(DialogControls& controls) override {
    const double x = FieldToReal(controls.Text(control_id::kGeoPtX));
    const double y = FieldToReal(controls.Text(control_id::kGeoPtY));
    window().RecordModelStep(GeoPtStepName(x, y));
    model().CreateGeoPt(x, y);
    window().RefitToModel();
  }
};

class CreatePolygonDialog : public ApplyingDialog {
 public:
  explicit CreatePolygonDialog(MainWindow& window)
      : ApplyingDialog(window, control_id::kPolygonApply) {}
  void Apply(DialogControls&) override {
    window().RecordModelStep(PolygonStepName(model()));
    model().CreatePolygonFromPickedPoints();
  }
};

class MeshQuadDialog : public ApplyingDialog {
 public:
  explicit MeshQuadDialog(MainWindow& window)
      : ApplyingDialog(window, control_id::kMesh, control_id::kMeshExit) {}
  void Apply(DialogControls& controls) override {
    window().RecordModelStep(MeshStepName(model()));
    model().MeshSelectedPolygons(FieldToInt(controls.Text(control_id::kMeshLn)),
                                 FieldToInt(controls.Text(control_id::kMeshWn)));
  }
};

class ForceDialog : public ApplyingDialog {
 public:
  explicit ForceDialog(MainWindow& window) : ApplyingDialog(window, control_id::kForceApply) {}
  void Apply(DialogControls& controls) override {
    window().RecordModelStep(ForceStepName(model()));
    model().ApplyForce(FieldToReal(controls.Text(control_id::kForceFx)),
                       FieldToReal(controls.Text(control_id::kForceFy)));
  }
};

class DistributedLoadDialog : public ApplyingDialog {
 public:
  explicit DistributedLoadDialog(MainWindow& window)
      : ApplyingDialog(window, control_id::kLoadApply) {}
  void Apply(DialogControls& controls) override {
    window().RecordModelStep(EdgeLoadStepName(model()));
    model().ApplyDistributedLoad(FieldToReal(controls.Text(control_id::kLoadQi)),
                                 FieldToReal(controls.Text(control_id::kLoadQj)));
  }
};

// The radio choice outlives the dialog; applying shows the deformed mesh,
// alone or over the structure.
class DeformedShapeDialog : public ApplyingDialog {
 public:
  explicit DeformedShapeDialog(MainWindow& window)
      : ApplyingDialog(window, control_id::kDeformedApply) {}

  void OnOpen(DialogControls& controls) override { Mark(controls); }

  void OnCommand(int controlId, DialogControls& controls) override {
    if (controlId == control_id::kDefOnly || controlId == control_id::kDefAndUndeformed) {
      window().deformedShapeChoice() = controlId;
      Mark(controls);
      return;
    }
    ApplyingDialog::OnCommand(controlId, controls);
  }

  void Apply(DialogControls&) override {
    window().ShowDeformedShape(window().deformedShapeChoice() != control_id::kDefOnly);
  }

 private:
  void Mark(DialogControls& controls) const {
    const int choice = window().deformedShapeChoice();
    controls.SetChecked(control_id::kDefOnly, choice == control_id::kDefOnly);
    controls.SetChecked(control_id::kDefAndUndeformed, choice == control_id::kDefAndUndeformed);
  }
};

std::unique_ptr<DialogBehaviour> MakeBehaviour(MainWindow& window, int dialogId) {
  switch (dialogId) {
    case dialog_id::kCreateGeoPt: return std::make_unique<CreateGeoPtDialog>(window);
    case dialog_id::kCreatePolygon: return std::make_unique<CreatePolygonDialog>(window);
    case dialog_id::kMeshQuad: return std::make_unique<MeshQuadDialog>(window);
    case dialog_id::kForce: return std::make_unique<ForceDialog>(window);
    case dialog_id::kDistributedLoad: return std::make_unique<DistributedLoadDialog>(window);
    case dialog_id::kDeformedShape: return std::make_unique<DeformedShapeDialog>(window);
    default: return nullptr;
  }
}

}  // namespace

void OpenModelingDialog(MainWindow& window, int dialogId) {
  std::unique_ptr<DialogBehaviour> behaviour = MakeBehaviour(window, dialogId);
  if (behaviour == nullptr) return;
  window.services().dialogs.OpenModeless(FindDialogTemplate(dialogId), std::move(behaviour));
}

}  // namespace kestrix

#pragma once
// A QDialog built from a dialog template: one widget per control, placed by
// converting dialog units with the template's font, in template tab order.
// Its buttons and boxes report to the dialog's behaviour by control id.

#include <QDialog>
#include <QFont>
#include <map>
#include <memory>

#include "dialog_controls.h"
#include "dialog_template.h"

class QAbstractButton;

namespace kestrix {

class QtDialog : public QDialog, public DialogControls {
  Q_OBJECT

 public:
  // A modal dialog borrows its behaviour from the caller.
  QtDialog(const DialogTemplate& dialog, DialogBehaviour& behaviour, QWidget* owner);
  // A modeless dialog owns its behaviour and deletes itself when it ends.
  QtDialog(const DialogTemplate& dialog, std::unique_ptr<DialogBehaviour> behaviour,
           QWidget* owner);

  std::string Text(int controlId) const override;
  void SetText(int controlId, const std::string& text) override;
  bool IsChecked(int controlId) const override;
  void SetChecked(int controlId, bool checked) override;
  void End(int result) override;

  // The widget of a control, for tests that drive the dialog.
  QWidget* Control(int controlId) const;

  // Esc and the close box.
  void reject() override;

 private:
  void Build(const DialogTemplate& dialog);
  QWidget* MakeControl(const ControlTemplate& control);
  QRect DialogUnitsToPixels(int x, int y, int width, int height) const;
  double WideningFor(const DialogTemplate& dialog) const;

  std::unique_ptr<DialogBehaviour> m_ownedBehaviour;
  DialogBehaviour& m_behaviour;
  bool m_modeless;
  QFont m_font;
  int m_baseUnitX = 1;
  int m_baseUnitY = 1;
  // Horizontal positions and widths grow by this factor (at least 1).
  double m_widening = 1.0;
  std::map<int, QWidget*> m_controls;
};

}  // namespace kestrix

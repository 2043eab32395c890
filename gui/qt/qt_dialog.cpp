#include "qt_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "dialog_templates.h"

namespace kestrix {
namespace {

// Edit fields take at most 99 characters, as their readers expect.
constexpr int kMaxFieldLength = 99;

// A static text no taller than this (in dialog units) holds a single line.
constexpr int kOneLineHeight = 8;

// The widest value a field is to show in full: a real as the dialogs write
// it, with six decimals.
constexpr const char* kWidestFieldValue = "-210000.000000";
// A line edit's frame and text margins, and the title bar's icon and
// buttons, in pixels.
constexpr int kFieldFrame = 12;
constexpr int kTitleBarControls = 120;

bool IsMultiLineStatic(const ControlTemplate& control) {
  return control.kind == ControlKind::Static && control.height > kOneLineHeight;
}

QString ToQString(const std::string& text) { return QString::fromStdString(text); }

// The fallback for the template's font may be wider than the font the template
// was laid out for: a one-line text then widens its label instead of being cut.
void WidenToShowText(QLabel& label) {
  label.resize(std::max(label.width(), label.sizeHint().width()), label.height());
}

// Push buttons, check boxes and edit fields take the focus with Tab; static
// texts and radio buttons do not.
bool IsTabStop(ControlKind kind) {
  return kind != ControlKind::Static && kind != ControlKind::RadioButton;
}

}  // namespace

QtDialog::QtDialog(const DialogTemplate& dialog, DialogBehaviour& behaviour, QWidget* owner)
    : QDialog(owner), m_behaviour(behaviour), m_modeless(false) {
  Build(dialog);
}

QtDialog::QtDialog(const DialogTemplate& dialog, std::unique_ptr<DialogBehaviour> behaviour,
                   QWidget* owner)
    : QDialog(owner),
      m_ownedBehaviour(std::move(behaviour)),
      m_behaviour(*m_ownedBehaviour),
      m_modeless(true) {
  Build(dialog);
}

void QtDialog::Build(const DialogTemplate& dialog) {
  setWindowTitle(ToQString(dialog.caption));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  m_font = QFont(ToQString(dialog.fontFace), dialog.fontPoints);
  setFont(m_font);
  // Dialog units: a quarter of the average character width across, an
  // eighth of the character height down.
  const QFontMetrics metrics(m_font);
  const QString alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  m_baseUnitX = (metrics.horizontalAdvance(alphabet) / 26 + 1) / 2;
  m_baseUnitY = metrics.height();
  m_widening = WideningFor(dialog);
  setFixedSize(DialogUnitsToPixels(0, 0, dialog.width, dialog.height).size());

  QWidget* previousTabStop = nullptr;
  for (const ControlTemplate& control : dialog.controls) {
    QWidget* widget = MakeControl(control);
    widget->setGeometry(DialogUnitsToPixels(control.x, control.y, control.width, control.height));
    if (auto* label = qobject_cast<QLabel*>(widget); label != nullptr && !label->wordWrap()) {
      WidenToShowText(*label);
    }
    if (control.id != kNoControlId) m_controls[control.id] = widget;
    if (!IsTabStop(control.kind)) {
      widget->setFocusPolicy(control.kind == ControlKind::Static ? Qt::NoFocus : Qt::ClickFocus);
      continue;
    }
    if (previousTabStop != nullptr) {
      setTabOrder(previousTabStop, widget);
    } else {
      widget->setFocus();
    }
    previousTabStop = widget;
  }
  m_behaviour.OnOpen(*this);
}

QWidget* QtDialog::MakeControl(const ControlTemplate& control) {
  const QString text = ToQString(control.text);
  const int id = control.id;
  switch (control.kind) {
    case ControlKind::DefaultPushButton:
    case ControlKind::PushButton: {
      auto* button = new QPushButton(text, this);
      // Enter presses a focused button; elsewhere it presses the default button.
      button->setAutoDefault(true);
      button->setDefault(control.kind == ControlKind::DefaultPushButton);
      connect(button, &QPushButton::clicked, this, [this, id] { m_behaviour.OnCommand(id, *this); });
      return button;
    }
    case ControlKind::CheckBox:
    case ControlKind::RadioButton: {
      QAbstractButton* box = control.kind == ControlKind::CheckBox
                                 ? static_cast<QAbstractButton*>(new QCheckBox(text, this))
                                 : new QRadioButton(text, this);
      connect(box, &QAbstractButton::clicked, this,
              [this, id] { m_behaviour.OnCommand(id, *this); });
      return box;
    }
    case ControlKind::Edit: {
      auto* edit = new QLineEdit(text, this);
      edit->setMaxLength(kMaxFieldLength);
      return edit;
    }
    case ControlKind::Static: {
      auto* label = new QLabel(text, this);
      label->setWordWrap(IsMultiLineStatic(control));
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return label;
    }
  }
  return nullptr;
}

QRect QtDialog::DialogUnitsToPixels(int x, int y, int width, int height) const {
  const auto across = [this](int units) {
    return static_cast<int>(units * m_baseUnitX / 4 * m_widening);
  };
  return QRect(across(x), y * m_baseUnitY / 8, across(width), height * m_baseUnitY / 8);
}

// The template's layout was made for another font: where a field is too
// narrow for a whole value, or the dialog for its caption, the layout grows
// across by one factor, which keeps every control in its place.
double QtDialog::WideningFor(const DialogTemplate& dialog) const {
  const auto pixels = [this](int units) { return std::max(1, units * m_baseUnitX / 4); };
  const int valueWidth = QFontMetrics(m_font).horizontalAdvance(kWidestFieldValue) + kFieldFrame;
  double widening = 1.0;
  for (const ControlTemplate& control : dialog.controls) {
    if (control.kind != ControlKind::Edit) continue;
    widening = std::max(widening, static_cast<double>(valueWidth) / pixels(control.width));
  }
  const int captionWidth =
      QFontMetrics(QApplication::font()).horizontalAdvance(ToQString(dialog.caption)) +
      kTitleBarControls;
  return std::max(widening, static_cast<double>(captionWidth) / pixels(dialog.width));
}

QWidget* QtDialog::Control(int controlId) const {
  const auto found = m_controls.find(controlId);
  return found == m_controls.end() ? nullptr : found->second;
}

std::string QtDialog::Text(int controlId) const {
  const auto* edit = qobject_cast<const QLineEdit*>(Control(controlId));
  return edit != nullptr ? edit->text().toStdString() : std::string();
}

// A value set in a field shows from its start, should it not fit.
void QtDialog::SetText(int controlId, const std::string& text) {
  if (auto* edit = qobject_cast<QLineEdit*>(Control(controlId))) {
    edit->setText(ToQString(text));
    edit->setCursorPosition(0);
  } else if (auto* label = qobject_cast<QLabel*>(Control(controlId))) {
    label->setText(ToQString(text));
  }
}

bool QtDialog::IsChecked(int controlId) const {
  const auto* box = qobject_cast<const QAbstractButton*>(Control(controlId));
  return box != nullptr && box->isChecked();
}

void QtDialog::SetChecked(int controlId, bool checked) {
  if (auto* box = qobject_cast<QAbstractButton*>(Control(controlId))) box->setChecked(checked);
}

void QtDialog::End(int result) {
  done(result);
  if (m_modeless) deleteLater();
}

void QtDialog::reject() { m_behaviour.OnCommand(control_id::kCancel, *this); }

}  // namespace kestrix

#include "status_fields.h"

namespace kestrix {
namespace {

QLabel* AddField(QStatusBar& bar, const char* name, int stretch) {
  auto* label = new QLabel(&bar);
  label->setObjectName(name);
  bar.addWidget(label, stretch);
  return label;
}

// An empty text hides its field, so that no empty frame stays behind.
void ShowText(QLabel& label, const std::string& text) {
  label.setText(QString::fromStdString(text));
  label.setVisible(!text.empty());
}

}  // namespace

// The mode takes the room the other fields leave, and gives it up first.
StatusFields::StatusFields(QStatusBar& bar)
    : m_mode(AddField(bar, "statusMode", 1)),
      m_cursor(AddField(bar, "statusCursor", 0)),
      m_counts(AddField(bar, "statusCounts", 0)),
      m_selection(AddField(bar, "statusSelection", 0)),
      m_deformation(AddField(bar, "statusDeformation", 0)) {
  m_mode->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void StatusFields::Show(const StatusTexts& texts) {
  ShowText(*m_mode, texts.mode);
  ShowText(*m_cursor, texts.cursor);
  ShowText(*m_counts, texts.counts);
  ShowText(*m_selection, texts.selection);
  ShowText(*m_deformation, texts.deformation);
}

}  // namespace kestrix

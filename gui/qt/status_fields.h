#pragma once
// The main window's status bar: the mode on the left, then the cursor's
// model position, the model's counts, the selection and the deformation
// scale, each a label that shows the text the logic gives it.

#include <QLabel>
#include <QStatusBar>

#include "status_texts.h"

namespace kestrix {

class StatusFields {
 public:
  explicit StatusFields(QStatusBar& bar);
  void Show(const StatusTexts& texts);

 private:
  QLabel* m_mode;
  QLabel* m_cursor;
  QLabel* m_counts;
  QLabel* m_selection;
  QLabel* m_deformation;
};

}  // namespace kestrix

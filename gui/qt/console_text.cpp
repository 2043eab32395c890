#include "console_text.h"

namespace kestrix {

void ConsoleText::Append(const QString& output) {
  for (const QChar c : output) {
    if (c == QChar('\b')) {
      if (!m_text.isEmpty() && m_text.back() != QChar('\n')) m_text.chop(1);
    } else if (c != QChar('\r')) {
      m_text.append(c);
    }
  }
}

}  // namespace kestrix

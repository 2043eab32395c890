#include "console_text.h"

namespace kestrix {

void ConsoleText::Append(const QString& output) {
  for (const QChar c : output) {
    if (c == QChar('\b')) {
      if (!text_.isEmpty() && text_.back() != QChar('\n')) text_.chop(1);
    } else if (c != QChar('\r')) {
      text_.append(c);
    }
  }
}

}  // namespace kestrix

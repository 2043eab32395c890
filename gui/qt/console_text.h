#pragma once
// The text a console shows for a stream of program output: a backspace takes
// back the last character of the current line, so that progress redrawn in
// place ("12%Completed." then backspaces and "13%Completed.") shows only its
// latest state.

#include <QString>

namespace kestrix {

class ConsoleText {
 public:
  void Append(const QString& output);
  const QString& text() const { return m_text; }

 private:
  QString m_text;
};

}  // namespace kestrix

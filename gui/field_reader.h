#pragma once
// Reading the numeric fields of a dialog when it is applied. Every field must
// hold one number of its kind and range; otherwise a message names the first
// field that does not, and the dialog changes nothing in the model.

#include <optional>
#include <string>

#include "dialog_controls.h"
#include "notifier.h"

namespace kestrix {

// What a real field accepts, said in the message when it does not hold it.
struct RealRange {
  const char* requirement;
  bool (*accepts)(double value);
};

inline constexpr RealRange kAnyFiniteReal{"有限的数", [](double) { return true; }};
inline constexpr RealRange kPositiveReal{"大于0的数", [](double v) { return v > 0.0; }};
inline constexpr RealRange kPoissonsRatio{"大于-1且小于0.5的数",
                                          [](double v) { return v > -1.0 && v < 0.5; }};

class FieldReader {
 public:
  explicit FieldReader(const DialogControls& controls) : m_controls(controls) {}

  // The value of the field, or 0 after noting the fault; `label` is the
  // field's label in the dialog.
  double Real(int controlId, const std::string& label, RealRange range = kAnyFiniteReal);
  // A whole number from 1.
  int Count(int controlId, const std::string& label);

  // True when every field read so far holds a valid number; otherwise shows
  // the message about the first that does not and returns false.
  bool AllValid(Notifier& notifier) const;

 private:
  void NoteFault(int controlId, const std::string& label, const std::string& requirement);

  const DialogControls& m_controls;
  std::optional<std::string> m_fault;
};

}  // namespace kestrix

#include "field_reader.h"

#include "field_numbers.h"

namespace kestrix {

double FieldReader::Real(int controlId, const std::string& label, RealRange range) {
  const std::optional<double> value = FieldToReal(m_controls.Text(controlId));
  if (value && range.accepts(*value)) return *value;
  NoteFault(controlId, label, range.requirement);
  return 0.0;
}

int FieldReader::Count(int controlId, const std::string& label) {
  const std::optional<int> value = FieldToInt(m_controls.Text(controlId));
  if (value && *value >= 1) return *value;
  NoteFault(controlId, label, "不小于1的整数");
  return 0;
}

bool FieldReader::AllValid(Notifier& notifier) const {
  if (!m_fault) return true;
  notifier.ShowMessage(*m_fault, kWarningCaption);
  return false;
}

void FieldReader::NoteFault(int controlId, const std::string& label,
                            const std::string& requirement) {
  if (m_fault) return;
  m_fault = "\"" + label + "\"的输入\"" + m_controls.Text(controlId) + "\"无效, 应为" +
            requirement + "!";
}

}  // namespace kestrix

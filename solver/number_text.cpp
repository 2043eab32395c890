#include "number_text.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace solvane {

namespace {

// The text of one number in a local buffer.
class NumberText {
 public:
  // std::to_chars with the general format behaves as printf's "%g" in the C
  // locale; infinities and NaNs are spelled as glibc's printf spells them.
  explicit NumberText(double value) {
    if (std::isnan(value)) {
      text_ = std::signbit(value) ? "-nan" : "nan";
      return;
    }
    const auto result = std::to_chars(buffer_, buffer_ + sizeof buffer_, value,
                                      std::chars_format::general, 6);
    text_ = std::string_view(buffer_, result.ptr - buffer_);
  }

  explicit NumberText(int value) {
    const auto result = std::to_chars(buffer_, buffer_ + sizeof buffer_, value);
    text_ = std::string_view(buffer_, result.ptr - buffer_);
  }

  NumberText(const NumberText&) = delete;
  NumberText& operator=(const NumberText&) = delete;

  std::string_view view() const { return text_; }

 private:
  char buffer_[32];
  std::string_view text_;
};

}  // namespace

std::string FormatReal(double value) { return std::string(NumberText(value).view()); }

void AppendReal(std::string& line, double value) { line.append(NumberText(value).view()); }

void AppendInteger(std::string& line, int value) { line.append(NumberText(value).view()); }

void AppendRightAligned(std::string& line, std::string_view text, int width) {
  if (static_cast<int>(text.size()) < width) line.append(width - text.size(), ' ');
  line.append(text);
}

void AppendRightAligned(std::string& line, double value, int width) {
  AppendRightAligned(line, NumberText(value).view(), width);
}

void AppendRightAligned(std::string& line, int value, int width) {
  AppendRightAligned(line, NumberText(value).view(), width);
}

}  // namespace solvane

#include "deformation_scale_choice.h"

#include <charconv>
#include <cmath>

#include "deformed_shape.h"

namespace kestrix {
namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace

double ShownDeformationScale(const Model& model, const DisplayOptions& display) {
  return display.deformationScale ? *display.deformationScale : DeformationScale(model);
}

bool IsBlankField(std::string_view text) { return Trimmed(text).empty(); }

std::optional<double> ParseScaleFactor(std::string_view text) {
  std::string_view number = Trimmed(text);
  if (!number.empty() && number.front() == '+') number.remove_prefix(1);
  double value = 0.0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error != std::errc() || end != number.data() + number.size()) return std::nullopt;
  if (!std::isfinite(value) || !(value > 0.0)) return std::nullopt;
  return value;
}

}  // namespace kestrix

#include "colour_map.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace ambrel {
namespace {

// Blue, cyan, green, yellow, red at equal steps.
constexpr Rgb kBlueToRed[] = {{0, 0, 255}, {0, 255, 255}, {0, 255, 0}, {255, 255, 0}, {255, 0, 0}};

// Viridis at eighths of its range.
constexpr Rgb kViridis[] = {{68, 1, 84},    {72, 40, 120},  {62, 73, 137},
                            {49, 104, 142}, {38, 130, 142}, {31, 158, 137},
                            {53, 183, 121}, {110, 206, 88}, {253, 231, 37}};

std::uint8_t Mix(std::uint8_t a, std::uint8_t b, double t) {
  return static_cast<std::uint8_t>(std::lround(a + (b - a) * t));
}

// Linear interpolation between anchors spaced evenly over [0, 1].
Rgb Interpolated(std::span<const Rgb> anchors, double s) {
  const double position = std::clamp(s, 0.0, 1.0) * static_cast<double>(anchors.size() - 1);
  const std::size_t below = std::min(static_cast<std::size_t>(position), anchors.size() - 2);
  const double t = position - static_cast<double>(below);
  const Rgb a = anchors[below];
  const Rgb b = anchors[below + 1];
  return {Mix(a.red, b.red, t), Mix(a.green, b.green, t), Mix(a.blue, b.blue, t)};
}

}  // namespace

std::string_view ColourMapTitle(ColourMapKind kind) {
  return kind == ColourMapKind::Viridis ? "Viridis" : "Blue to red";
}

Rgb MapColour(ColourMapKind kind, double s) {
  return kind == ColourMapKind::Viridis ? Interpolated(kViridis, s) : Interpolated(kBlueToRed, s);
}

Rgb BandColour(ColourMapKind kind, int band, int count) {
  const double s = count > 1 ? static_cast<double>(band) / (count - 1) : 0.5;
  return MapColour(kind, s);
}

}  // namespace ambrel

#include "stress_component.h"

namespace ambrel {

std::string_view ComponentName(StressComponent component) {
  switch (component) {
    case StressComponent::SX:
      return "SX";
    case StressComponent::SY:
      return "SY";
    case StressComponent::TXY:
      return "TXY";
    case StressComponent::SE:
      return "SE";
  }
  return "";
}

std::string_view ComponentTitle(StressComponent component) {
  return component == StressComponent::SE ? "SE (von Mises)" : ComponentName(component);
}

std::optional<StressComponent> ComponentNamed(std::string_view name) {
  for (const StressComponent component : kAllComponents) {
    if (ComponentName(component) == name) return component;
  }
  return std::nullopt;
}

double ComponentOf(const NodalStress& stress, StressComponent component) {
  switch (component) {
    case StressComponent::SX:
      return stress.sx;
    case StressComponent::SY:
      return stress.sy;
    case StressComponent::TXY:
      return stress.txy;
    case StressComponent::SE:
      return stress.se;
  }
  return 0.0;
}

}  // namespace ambrel

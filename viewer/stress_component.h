#pragma once
// The four stresses of a node that the viewer can show.

#include <optional>
#include <string_view>

#include "contour_mesh.h"

namespace ambrel {

enum class StressComponent { SX, SY, TXY, SE };

inline constexpr StressComponent kAllComponents[] = {StressComponent::SX, StressComponent::SY,
                                                     StressComponent::TXY, StressComponent::SE};

// "SX", "SY", "TXY", "SE": the name in the solver's files and on the command line.
std::string_view ComponentName(StressComponent component);

// The name with what it means where that is not plain: "SE (von Mises)".
std::string_view ComponentTitle(StressComponent component);

std::optional<StressComponent> ComponentNamed(std::string_view name);

double ComponentOf(const NodalStress& stress, StressComponent component);

}  // namespace ambrel

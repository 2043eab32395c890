#include "nodal_field.h"

namespace ambrel {

NodalField FieldOf(const std::vector<NodalStress>& stresses, StressComponent component) {
  NodalField field;
  field.values.reserve(stresses.size());
  for (const NodalStress& stress : stresses) field.values.push_back(ComponentOf(stress, component));
  if (field.values.empty()) return field;
  FieldExtremes& extremes = field.extremes;
  extremes.min = extremes.max = field.values.front();
  for (int node = 1; node < static_cast<int>(field.values.size()); ++node) {
    const double value = field.values[node];
    if (value < extremes.min) {
      extremes.min = value;
      extremes.minNode = node;
    }
    if (value > extremes.max) {
      extremes.max = value;
      extremes.maxNode = node;
    }
  }
  return field;
}

}  // namespace ambrel

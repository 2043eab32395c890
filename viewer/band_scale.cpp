#include "band_scale.h"

#include <algorithm>
#include <cmath>

namespace ambrel {

std::optional<std::string> LegendSettingsProblem(const LegendSettings& settings) {
  if (settings.bandCount < kMinBandCount || settings.bandCount > kMaxBandCount) {
    return "The number of bands must be from " + std::to_string(kMinBandCount) + " to " +
           std::to_string(kMaxBandCount) + ".";
  }
  if (!settings.automatic && !(settings.lower < settings.upper)) {
    return "The lower limit must be below the upper limit.";
  }
  return std::nullopt;
}

BandScale::BandScale(const FieldExtremes& extremes, const LegendSettings& settings) {
  if (settings.automatic) {
    lower_ = extremes.min;
    upper_ = extremes.max;
  } else {
    lower_ = settings.lower;
    upper_ = settings.upper;
    valuesBelow_ = extremes.min < lower_;
    valuesAbove_ = extremes.max > upper_;
  }
  uniform_ = !(lower_ < upper_);
  // A uniform field has no width to divide: one band, every value in it.
  count_ = uniform_ ? 1 : settings.bandCount;
  bandsPerUnit_ = uniform_ ? 0.0 : count_ / (upper_ - lower_);
}

double BandScale::Limit(int i) const {
  // Weighting both ends keeps symmetric scales symmetric; what is left of a
  // zero after rounding is shown as the zero it stands for.
  const double limit = (lower_ * (count_ - i) + upper_ * i) / count_;
  const double magnitude = std::max(std::fabs(lower_), std::fabs(upper_));
  return std::fabs(limit) < 1e-12 * magnitude ? 0.0 : limit;
}

}  // namespace ambrel

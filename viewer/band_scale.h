#pragma once
// The legend's scale: the range between two limits cut into bands of equal
// width. The limits are the field's minimum and maximum, or set by the user,
// in which case values beyond them fall outside every band.

#include <optional>
#include <string>

#include "nodal_field.h"

namespace ambrel {

inline constexpr int kDefaultBandCount = 12;
inline constexpr int kMinBandCount = 2;
inline constexpr int kMaxBandCount = 64;

struct LegendSettings {
  bool automatic = true;  // the limits follow the field's minimum and maximum
  double lower = 0.0;
  double upper = 0.0;
  int bandCount = kDefaultBandCount;
};

// What is wrong with settings the user typed, or nothing.
std::optional<std::string> LegendSettingsProblem(const LegendSettings& settings);

class BandScale {
 public:
  BandScale() = default;
  BandScale(const FieldExtremes& extremes, const LegendSettings& settings);

  // A field whose minimum is its maximum, under automatic limits: one band.
  bool Uniform() const { return uniform_; }
  int Count() const { return count_; }
  double Lower() const { return lower_; }
  double Upper() const { return upper_; }
  // The limits between the bands, i = 0 (the lower limit) to Count() (the upper).
  double Limit(int i) const;

  // A value measured in bands from the lower limit: band k covers [k, k + 1).
  // Affine in the value, so it may be interpolated instead of the value.
  double Coordinate(double value) const { return (value - lower_) * bandsPerUnit_; }
  // The band at a coordinate: -1 below the lower limit, Count() above the
  // upper; the upper limit itself belongs to the top band.
  int BandAt(double coordinate) const {
    if (coordinate < 0.0) return -1;
    if (coordinate >= count_) return coordinate > count_ ? count_ : count_ - 1;
    return static_cast<int>(coordinate);
  }

  // Whether the field has values beyond limits the user set.
  bool HasValuesBelow() const { return valuesBelow_; }
  bool HasValuesAbove() const { return valuesAbove_; }

 private:
  double lower_ = 0.0;
  double upper_ = 0.0;
  int count_ = 1;
  double bandsPerUnit_ = 0.0;
  bool uniform_ = true;
  bool valuesBelow_ = false;
  bool valuesAbove_ = false;
};

}  // namespace ambrel

#include "number_text.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace solvane {

namespace {

constexpr int kSignificantDigits = 6;
constexpr double kSmallestSixDigits = 99999.5;   // rounds to 100000
constexpr double kLargestSixDigits = 999999.5;   // rounds to 1000000
// A product of a double and an exact power of ten is within a relative 2^-53
// of the true value, so below 1e6 it is off by less than 1.2e-10: a fraction
// this far from one half rounds the same way as the true value.
constexpr double kRoundingMargin = 1e-9;

// The powers of ten that a double holds exactly.
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kLargestExactPower = 22;

// A positive magnitude rounded to six significant digits: digits in 100000 ..
// 999999, and the decimal exponent of the first one.
struct RoundedDigits {
  int digits;
  int exponent;
};

// magnitude * 10^power with one rounding, or -1 when 10^|power| is not exact.
double ScaledByPowerOfTen(double magnitude, int power) {
  if (power > kLargestExactPower || power < -kLargestExactPower) return -1.0;
  return power >= 0 ? magnitude * kExactPowersOfTen[power] : magnitude / kExactPowersOfTen[-power];
}

// The whole part of a positive scaled product (below 1e7, far inside the
// range of a 64-bit integer).
double WholePart(double scaled) { return static_cast<double>(static_cast<std::int64_t>(scaled)); }

// Whether the true value of a scaled product below 1e6 may lie on the other
// side of a rounding boundary n + 0.5 than the product itself.
bool NearBoundary(double scaled) {
  return std::fabs(scaled - WholePart(scaled) - 0.5) < kRoundingMargin;
}

// The exponent e of magnitude = f * 2^e with f in [0.5, 1), as frexp gives
// it, for a normal magnitude.
int BinaryExponent(double magnitude) {
  constexpr int kExponentBias = 1022;
  return static_cast<int>((std::bit_cast<std::uint64_t>(magnitude) >> 52) & 0x7ff) - kExponentBias;
}

// Rounds a finite positive magnitude to six significant digits as the exact
// binary value rounds, to nearest with ties to even. False when the scaled
// product lies too close to a rounding boundary to decide, or out of range:
// the caller then lets the library decide.
bool RoundToSixDigits(double magnitude, RoundedDigits& rounded) {
  // floor(log10(2) * (e - 1)), at most one below the decimal exponent; 78913
  // / 2^18 is log10(2) closely enough for every exponent of a double.
  int exponent = ((BinaryExponent(magnitude) - 1) * 78913) >> 18;
  double scaled = ScaledByPowerOfTen(magnitude, kSignificantDigits - 1 - exponent);
  for (int step = 0; step < 2 && scaled >= 0.0; ++step) {
    if (NearBoundary(scaled)) return false;
    if (scaled < kSmallestSixDigits) {
      --exponent;
    } else if (scaled >= kLargestSixDigits) {
      ++exponent;
    } else {
      break;
    }
    scaled = ScaledByPowerOfTen(magnitude, kSignificantDigits - 1 - exponent);
  }
  if (scaled < kSmallestSixDigits || scaled >= kLargestSixDigits || NearBoundary(scaled)) {
    return false;
  }
  const double whole = WholePart(scaled);
  const double fraction = scaled - whole;
  rounded = {static_cast<int>(whole) + (fraction > 0.5 ? 1 : 0), exponent};
  if (rounded.digits == 1000000) rounded = {100000, exponent + 1};
  return true;
}

// Writes "%g" text of the rounded digits: fixed notation for exponents -4 to 5,
// otherwise d.ddddde+XX; trailing zeros and a trailing point are dropped.
char* WriteGeneral(char* out, bool negative, RoundedDigits rounded) {
  char digits[kSignificantDigits];
  int value = rounded.digits;
  for (int i = kSignificantDigits - 1; i >= 0; --i) {
    digits[i] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
  int last = kSignificantDigits - 1;
  while (last > 0 && digits[last] == '0') --last;
  if (negative) *out++ = '-';
  const int exponent = rounded.exponent;
  if (exponent >= -4 && exponent < kSignificantDigits) {
    if (exponent < 0) {
      *out++ = '0';
      *out++ = '.';
      for (int zero = -1; zero > exponent; --zero) *out++ = '0';
      for (int i = 0; i <= last; ++i) *out++ = digits[i];
      return out;
    }
    for (int i = 0; i <= exponent; ++i) *out++ = digits[i];
    if (last > exponent) {
      *out++ = '.';
      for (int i = exponent + 1; i <= last; ++i) *out++ = digits[i];
    }
    return out;
  }
  *out++ = digits[0];
  if (last > 0) {
    *out++ = '.';
    for (int i = 1; i <= last; ++i) *out++ = digits[i];
  }
  *out++ = 'e';
  *out++ = exponent < 0 ? '-' : '+';
  const int magnitude = exponent < 0 ? -exponent : exponent;
  if (magnitude < 10) *out++ = '0';
  return std::to_chars(out, out + 4, magnitude).ptr;
}

// The text of one number in a local buffer.
class NumberText {
 public:
  // "%g" in the C locale. Most values are rounded here directly; zeros,
  // values near a rounding boundary or far out of range, infinities and NaNs
  // go through std::to_chars, whose general format is printf's "%g"; NaNs
  // are spelled as glibc's printf spells them.
  explicit NumberText(double value) {
    if (std::isnan(value)) {
      text_ = std::signbit(value) ? "-nan" : "nan";
      return;
    }
    RoundedDigits rounded{};
    const double magnitude = std::fabs(value);
    char* end = std::isfinite(value) && magnitude > 0.0 && RoundToSixDigits(magnitude, rounded)
                    ? WriteGeneral(buffer_, value < 0.0, rounded)
                    : std::to_chars(buffer_, buffer_ + sizeof buffer_, value,
                                    std::chars_format::general, kSignificantDigits).ptr;
    text_ = std::string_view(buffer_, end - buffer_);
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

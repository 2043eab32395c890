#include "output/number_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <system_error>

namespace solvane {

namespace {

constexpr int kSignificantDigits = 6;
constexpr double kSmallestSixDigits = 99999.5;   // rounds to 100000
constexpr double kLargestSixDigits = 999999.5;   // rounds to 1000000
// A product of a double and a power of ten rounded to a double is within a
// relative 2^-52 of the true value, so below 1e6 it is off by less than
// 2.3e-10: a fraction this far from one half rounds the same way as the true
// value.
constexpr double kRoundingMargin = 1e-9;

// 10^k for k = -kLargestPower .. kLargestPower: exact up from 10^0, rounded to
// nearest below (the quotient of 1 and an exact power is rounded once).
constexpr int kLargestPower = 22;
constexpr auto kPowersOfTen = [] {
  std::array<double, 2 * kLargestPower + 1> powers{};
  double power = 1.0;
  for (int k = 0; k <= kLargestPower; ++k) {
    powers[kLargestPower + k] = power;
    powers[kLargestPower - k] = 1.0 / power;
    power *= 10.0;
  }
  return powers;
}();

double PowerOfTen(int k) { return kPowersOfTen[kLargestPower + k]; }

// A positive magnitude rounded to six significant digits: digits in 100000 ..
// 999999, and the decimal exponent of the first one; digits 0 when the
// rounding could not be decided here. Small enough to travel in a register.
struct RoundedDigits {
  int digits;
  int exponent;
};

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
// binary value rounds, to nearest with ties to even. Digits 0 when the scaled
// product lies too close to a rounding boundary to decide, or outside the
// range of the table: the caller then lets the library decide. No division
// and, for magnitudes of 1e-17 to 1e22, no branch that depends on the digits.
[[gnu::always_inline]] inline RoundedDigits RoundToSixDigits(double magnitude) {
  // floor(log10(2) * (e - 1)) is the decimal exponent or one below it (78913
  // / 2^18 is log10(2) closely enough for every exponent of a double); one
  // comparison settles which. Next to a power of ten that is not exact the
  // comparison may be off by one: the product then falls outside the range
  // of six digits and the library decides.
  int exponent = ((BinaryExponent(magnitude) - 1) * 78913) >> 18;
  if (exponent < kSignificantDigits - 1 - kLargestPower || exponent >= kLargestPower) return {0, 0};
  exponent += magnitude >= PowerOfTen(exponent + 1) ? 1 : 0;
  const double scaled = magnitude * PowerOfTen(kSignificantDigits - 1 - exponent);
  if (scaled < kSmallestSixDigits || scaled >= kLargestSixDigits || NearBoundary(scaled)) {
    return {0, 0};
  }
  const double whole = WholePart(scaled);
  return {static_cast<int>(whole) + (scaled - whole > 0.5 ? 1 : 0), exponent};
}

// "00" to "99" as two characters in the low bytes, first digit first in
// memory order.
constexpr auto kDigitPairs = [] {
  std::array<std::uint16_t, 100> pairs{};
  for (int i = 0; i < 100; ++i) pairs[i] = static_cast<std::uint16_t>(('0' + i / 10) | ('0' + i % 10) << 8);
  return pairs;
}();

// The six digits of `digits` (100000 .. 999999) as characters in the low six
// bytes of a register, first digit lowest, zeros above. The writers below
// store them in whole words and advance only past what they keep; they never
// read back what they stored, which would stall the processor.
struct DigitText {
  explicit DigitText(int digits) {
    const int high = digits / 10000;
    const int rest = digits - high * 10000;
    const int middle = rest / 100;
    packed = kDigitPairs[high] | std::uint64_t{kDigitPairs[middle]} << 16 |
             std::uint64_t{kDigitPairs[rest - middle * 100]} << 32;
    // Characters after the last nonzero digit are '0': zero bytes once the
    // '0's are taken away, counted from the top. The first digit is never 0.
    const std::uint64_t nonZeroDigits = packed ^ 0x303030303030u;
    count = (64 - std::countl_zero(nonZeroDigits) + 7) / 8;
  }

  // Stores the digits from the `first`-th on (0 .. 5) at `out`, in 8 bytes.
  void StoreFrom(char* out, int first) const {
    const std::uint64_t rest = packed >> (8 * first);
    std::memcpy(out, &rest, sizeof rest);
  }

  std::uint64_t packed;
  int count;  // without the trailing zeros; at least 1
};

// Every write below may store up to this many bytes past the text it leaves;
// the buffer it writes into has room for them.
constexpr int kWriteSlack = 8;

// Fixed notation for decimal exponents 0 to 5: the digits up to the units,
// then the point and the others unless they are all zeros. The point is put
// into the word of digits, so that the text is stored at once.
char* WriteWholeAndFraction(char* out, const DigitText& digits, int exponent) {
  const int whole = exponent + 1;
  const int shift = 8 * whole;
  const std::uint64_t wholeDigits = digits.packed & ((std::uint64_t{1} << shift) - 1);
  const std::uint64_t fractionDigits = digits.packed >> shift;
  const std::uint64_t text = wholeDigits | std::uint64_t{'.'} << shift | fractionDigits << (shift + 8);
  std::memcpy(out, &text, sizeof text);
  return out + (digits.count > whole ? digits.count + 1 : whole);
}

// Fixed notation for decimal exponents -4 to -1: "0.", zeros, the digits.
char* WriteFraction(char* out, const DigitText& digits, int exponent) {
  std::memcpy(out, "0.000000", 8);
  out += 1 - exponent;
  digits.StoreFrom(out, 0);
  return out + digits.count;
}

// d.ddddde+XX with at least two exponent digits.
char* WriteExponential(char* out, const DigitText& digits, int exponent) {
  digits.StoreFrom(out, 0);
  out[1] = '.';
  digits.StoreFrom(out + 2, 1);
  out += digits.count > 1 ? digits.count + 1 : 1;
  *out++ = 'e';
  *out++ = exponent < 0 ? '-' : '+';
  const int magnitude = exponent < 0 ? -exponent : exponent;
  if (magnitude >= 100) *out++ = static_cast<char>('0' + magnitude / 100);
  std::memcpy(out, &kDigitPairs[magnitude % 100], 2);
  return out + 2;
}

// Writes "%g" text of the rounded digits: fixed notation for exponents -4 to 5,
// otherwise d.ddddde+XX; trailing zeros and a trailing point are dropped.
[[gnu::always_inline]] inline char* WriteGeneral(char* out, bool negative, RoundedDigits rounded) {
  const DigitText digits(rounded.digits);
  *out = '-';
  out += negative ? 1 : 0;
  if (rounded.exponent >= kSignificantDigits || rounded.exponent < -4) {
    return WriteExponential(out, digits, rounded.exponent);
  }
  if (rounded.exponent < 0) return WriteFraction(out, digits, rounded.exponent);
  return WriteWholeAndFraction(out, digits, rounded.exponent);
}

// The text of one number in a local buffer.
class NumberText {
 public:
  explicit NumberText(double value) : text_(buffer_, WriteReal(buffer_, value) - buffer_) {}

  explicit NumberText(int value) {
    const auto result = std::to_chars(buffer_, buffer_ + sizeof buffer_, value);
    text_ = std::string_view(buffer_, result.ptr - buffer_);
  }

  NumberText(const NumberText&) = delete;
  NumberText& operator=(const NumberText&) = delete;

  std::string_view view() const { return text_; }

 private:
  char buffer_[kRealTextRoom];
  std::string_view text_;
};

}  // namespace

// Most values are rounded here directly; zeros, values near a rounding
// boundary or far out of range and infinities go through std::to_chars, whose
// general format is printf's "%g"; NaNs are spelled as glibc's printf spells
// them. Built also for processors with BMI2, whose shifts by a variable count
// shorten the digit handling by a third; the faster form is chosen at run time.
[[gnu::target_clones("arch=x86-64-v3", "default")]]
char* WriteReal(char* out, double value) {
  static_assert(kRealTextRoom >= 16 + kWriteSlack, "room for the longest text and the slack");
  if (std::isnan(value)) {
    const std::string_view nan = std::signbit(value) ? "-nan" : "nan";
    return std::copy(nan.begin(), nan.end(), out);
  }
  const double magnitude = std::fabs(value);
  const RoundedDigits rounded =
      std::isfinite(value) && magnitude > 0.0 ? RoundToSixDigits(magnitude) : RoundedDigits{0, 0};
  if (rounded.digits != 0) return WriteGeneral(out, value < 0.0, rounded);
  return std::to_chars(out, out + kRealTextRoom, value, std::chars_format::general, kSignificantDigits).ptr;
}

std::string FormatReal(double value) { return std::string(NumberText(value).view()); }

void AppendReal(std::string& line, double value) { line.append(NumberText(value).view()); }

void AppendInteger(std::string& line, int value) { line.append(NumberText(value).view()); }

void AppendRightAligned(std::string& line, std::string_view text, int width) {
  if (static_cast<int>(text.size()) < width) line.append(width - text.size(), ' ');
  line.append(text);
}

}  // namespace solvane

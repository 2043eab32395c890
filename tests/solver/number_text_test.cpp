// The real formatter rounds most values itself rather than through the
// library; it must write exactly what printf's "%g" writes for every double,
// above all next to the boundaries where the sixth digit rounds one way or
// the other.

#include "output/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace solvane {
namespace {

std::string PrintfGeneral(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

// Counts the values whose text differs from printf's and names the first few.
class AgreementCheck {
 public:
  void Check(double value) {
    for (double signedValue : {value, -value}) {
      const std::string expected = PrintfGeneral(signedValue);
      const std::string written = FormatReal(signedValue);
      if (written == expected) continue;
      if (++mismatches_ <= 5) {
        char bits[40];
        std::snprintf(bits, sizeof bits, "%a", signedValue);
        ADD_FAILURE() << bits << ": printf " << expected << ", written " << written;
      }
    }
  }
  int mismatches() const { return mismatches_; }

 private:
  int mismatches_ = 0;
};

TEST(RealFormatting, AgreesWithPrintfOnRandomBitPatterns) {
  std::mt19937_64 random(20261207);
  AgreementCheck check;
  for (int i = 0; i < 300000; ++i) {
    const std::uint64_t bits = random();
    double value;
    std::memcpy(&value, &bits, sizeof value);
    if (!std::isnan(value)) check.Check(value);
  }
  EXPECT_EQ(check.mismatches(), 0);
}

TEST(RealFormatting, AgreesWithPrintfAcrossTheUsualMagnitudes) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  std::uniform_int_distribution<int> exponent(-24, 30);
  AgreementCheck check;
  for (int i = 0; i < 500000; ++i) check.Check(mantissa(random) * std::pow(10.0, exponent(random)));
  EXPECT_EQ(check.mismatches(), 0);
}

TEST(RealFormatting, AgreesWithPrintfNextToRoundingBoundaries) {
  // Values with a 5 in the seventh significant digit, exact binary ties such
  // as 123456.5, powers of ten and the values that round up to them, each with
  // its neighbouring doubles.
  std::mt19937_64 random(11);
  std::uniform_int_distribution<int> sixDigits(100000, 999999);
  AgreementCheck check;
  auto checkWithNeighbours = [&](double value) {
    double below = value;
    double above = value;
    check.Check(value);
    for (int step = 0; step < 3; ++step) {
      below = std::nextafter(below, 0.0);
      above = std::nextafter(above, INFINITY);
      check.Check(below);
      check.Check(above);
    }
  };
  for (int power = -22; power <= 28; ++power) {
    const double scale = std::pow(10.0, power);
    checkWithNeighbours(scale);
    checkWithNeighbours(9.999995 * scale);
    checkWithNeighbours(9.99995 * scale);
    for (int i = 0; i < 2000; ++i) checkWithNeighbours((sixDigits(random) + 0.5) * scale);
  }
  for (int i = 0; i < 2000; ++i) checkWithNeighbours(sixDigits(random) + 0.5);
  EXPECT_EQ(check.mismatches(), 0);
}

}  // namespace
}  // namespace solvane

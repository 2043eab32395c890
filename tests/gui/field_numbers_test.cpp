#include "field_numbers.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <limits>
#include <string>

namespace kestrix {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(FieldNumbers, RealsReadLikeAtof) {
  EXPECT_EQ(FieldToReal("1e3"), 1000.0);
  EXPECT_EQ(FieldToReal("  -2.5xyz"), -2.5);
  EXPECT_EQ(FieldToReal(" 12abc"), 12.0);
  EXPECT_EQ(FieldToReal("+4"), 4.0);
  EXPECT_EQ(FieldToReal(""), 0.0);
  EXPECT_EQ(FieldToReal("abc"), 0.0);
  EXPECT_EQ(FieldToReal("+-1"), 0.0);
}

TEST(FieldNumbers, RealsOutOfRangeBecomeInfinite) {
  EXPECT_EQ(FieldToReal("1e400"), kInfinity);
  EXPECT_EQ(FieldToReal("-1e400"), -kInfinity);
}

TEST(FieldNumbers, RealsReadHexadecimalLikeAtof) {
  EXPECT_EQ(FieldToReal("0x10"), 16.0);
  EXPECT_EQ(FieldToReal("-0x1p-1"), -0.5);
}

TEST(FieldNumbers, IntegersReadLikeAtoi) {
  EXPECT_EQ(FieldToInt("4"), 4);
  EXPECT_EQ(FieldToInt(" 12.9"), 12);
  EXPECT_EQ(FieldToInt(" 12abc"), 12);
  EXPECT_EQ(FieldToInt("+7"), 7);
  EXPECT_EQ(FieldToInt(""), 0);
  EXPECT_EQ(FieldToInt("abc"), 0);
  EXPECT_EQ(FieldToInt("-3"), -3);
  EXPECT_EQ(FieldToInt("0x10"), 0);
}

TEST(FieldNumbers, IntegersOutOfRangeGiveTheNearestLimit) {
  EXPECT_EQ(FieldToInt("99999999999"), INT_MAX);
  EXPECT_EQ(FieldToInt("-99999999999"), INT_MIN);
}

TEST(FieldNumbers, RealsWrittenWithSixDecimals) {
  EXPECT_EQ(RealToField(210000.0), "210000.000000");
  EXPECT_EQ(RealToField(0.3), "0.300000");
  EXPECT_EQ(RealToField(-1.0 / 3.0), "-0.333333");
}

// Switches the whole process to a locale with a decimal comma for one test.
class GermanLocale {
 public:
  GermanLocale() : m_previous(std::setlocale(LC_ALL, nullptr)) {
    m_active = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
  }
  ~GermanLocale() { std::setlocale(LC_ALL, m_previous.c_str()); }
  bool active() const { return m_active; }

 private:
  std::string m_previous;
  bool m_active = false;
};

TEST(FieldNumbers, DecimalPointIgnoresTheUserLocale) {
  const GermanLocale german;
  ASSERT_TRUE(german.active()) << "the de_DE.UTF-8 locale is not installed";
  EXPECT_EQ(FieldToReal("2.5"), 2.5);
  EXPECT_EQ(FieldToReal("2,5"), 2.0);
  EXPECT_EQ(FieldToInt("1.000"), 1);
  EXPECT_EQ(RealToField(2.5), "2.500000");
}

}  // namespace
}  // namespace kestrix

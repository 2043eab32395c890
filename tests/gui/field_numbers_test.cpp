#include "field_numbers.h"

#include <gtest/gtest.h>

#include <clocale>

namespace kestrix {
namespace {

TEST(FieldNumbers, RealsReadLikeAtof) {
  EXPECT_EQ(FieldToReal("1e3"), 1000.0);
  EXPECT_EQ(FieldToReal("  -2.5xyz"), -2.5);
  EXPECT_EQ(FieldToReal("+4"), 4.0);
  EXPECT_EQ(FieldToReal(""), 0.0);
  EXPECT_EQ(FieldToReal("abc"), 0.0);
  EXPECT_EQ(FieldToReal("+-1"), 0.0);
}

TEST(FieldNumbers, IntegersReadLikeAtoi) {
  EXPECT_EQ(FieldToInt("4"), 4);
  EXPECT_EQ(FieldToInt(" 12.9"), 12);
  EXPECT_EQ(FieldToInt("abc"), 0);
  EXPECT_EQ(FieldToInt("-3"), -3);
  EXPECT_EQ(FieldToInt("99999999999"), 0);
}

TEST(FieldNumbers, RealsWrittenWithSixDecimals) {
  EXPECT_EQ(RealToField(210000.0), "210000.000000");
  EXPECT_EQ(RealToField(0.3), "0.300000");
  EXPECT_EQ(RealToField(-1.0 / 3.0), "-0.333333");
}

TEST(FieldNumbers, DecimalPointIgnoresTheUserLocale) {
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no German locale";
  EXPECT_EQ(FieldToReal("2.5"), 2.5);
  EXPECT_EQ(RealToField(2.5), "2.500000");
  std::setlocale(LC_NUMERIC, "C");
}

}  // namespace
}  // namespace kestrix

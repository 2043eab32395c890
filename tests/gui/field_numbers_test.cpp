#include "field_numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <optional>
#include <string>

namespace kestrix {
namespace {

TEST(FieldNumbers, RealsMustBeTheWholeFieldAndFinite) {
  EXPECT_EQ(FieldToReal("1e3"), 1000.0);
  EXPECT_EQ(FieldToReal("  -2.5  "), -2.5);
  EXPECT_EQ(FieldToReal("+4"), 4.0);
  EXPECT_EQ(FieldToReal("1e-400"), 0.0);  // below the range: as near 0 as double goes
  for (const char* refused : {"", "   ", "abc", " 12abc", "+-1", "1e400", "-1e400", "inf", "nan", "1 2"}) {
    EXPECT_EQ(FieldToReal(refused), std::nullopt) << refused;
  }
}

TEST(FieldNumbers, IntegersMustBeWholeDecimalNumbers) {
  EXPECT_EQ(FieldToInt("4"), 4);
  EXPECT_EQ(FieldToInt(" +7 "), 7);
  EXPECT_EQ(FieldToInt("-3"), -3);
  for (const char* refused : {"", "abc", "12.9", "12abc", "1e3", "0x10", "99999999999", "-99999999999"}) {
    EXPECT_EQ(FieldToInt(refused), std::nullopt) << refused;
  }
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
  EXPECT_EQ(FieldToReal("2,5"), std::nullopt);
  EXPECT_EQ(RealToField(2.5), "2.500000");
}

}  // namespace
}  // namespace kestrix

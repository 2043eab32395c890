#include "text_scanner.h"

#include <gtest/gtest.h>

namespace kestrix {
namespace {

TEST(ScanPatterns, LineBreakInPatternMatchesAnyWhitespaceRunOrNone) {
  TextScanner scanner("E=1\r\n\r\n  Mu=0.3Thick=2\n");
  double e = 0.0, mu = 0.0, thick = 0.0;
  EXPECT_TRUE(scanner.Scan("E=%lf\n", e));
  EXPECT_TRUE(scanner.Scan("Mu=%lf\n", mu));
  EXPECT_TRUE(scanner.Scan("Thick=%lf\n", thick));
  EXPECT_EQ(e, 1.0);
  EXPECT_EQ(mu, 0.3);
  EXPECT_EQ(thick, 2.0);
  EXPECT_TRUE(scanner.AtEnd());
}

TEST(ScanPatterns, NumbersMayBePrecededByWhitespaceButLiteralsMayNot) {
  int node = 0, ux = 0, uy = 0;
  TextScanner spaced("  4:  1\t0\n");
  EXPECT_TRUE(spaced.Scan("%d:", node));
  EXPECT_TRUE(spaced.Scan("%d", ux));
  EXPECT_TRUE(spaced.Scan("%d\n", uy));
  EXPECT_EQ(node, 4);
  EXPECT_EQ(ux, 1);
  EXPECT_EQ(uy, 0);

  TextScanner spaceBeforeColon("4 :1 0\n");
  EXPECT_FALSE(spaceBeforeColon.Scan("%d:", node));
}

TEST(ScanPatterns, KeysAreCaseSensitive) {
  int count = 0;
  TextScanner scanner("npoin=4\n");
  EXPECT_FALSE(scanner.Scan("NPOIN=%d\n", count));
}

TEST(ScanPatterns, RealsReadInEveryNotationScanfAccepts) {
  TextScanner scanner("2.1e+011,1e-05 +3 -.5 7\n");
  double a = 0, b = 0, c = 0, d = 0, e = 0;
  EXPECT_TRUE(scanner.Scan("%lf,%lf%lf%lf%lf\n", a, b, c, d, e));
  EXPECT_EQ(a, 2.1e11);
  EXPECT_EQ(b, 1e-5);
  EXPECT_EQ(c, 3.0);
  EXPECT_EQ(d, -0.5);
  EXPECT_EQ(e, 7.0);
}

TEST(ScanPatterns, FailedConversionsReportFailure) {
  int count = 0;
  double value = 0.0;
  TextScanner letters("NPOIN=four\n");
  EXPECT_FALSE(letters.Scan("NPOIN=%d\n", count));
  TextScanner tooLarge("NPOIN=99999999999\n");
  EXPECT_FALSE(tooLarge.Scan("NPOIN=%d\n", count));
  TextScanner doubleSign("+-1\n");
  EXPECT_FALSE(doubleSign.Scan("%lf", value));
  TextScanner empty("");
  EXPECT_FALSE(empty.Scan("%d", count));
}

TEST(ScanPatterns, ConversionIntoAFieldOfTheWrongTypeFails) {
  int count = 0;
  TextScanner scanner("1.5\n");
  EXPECT_FALSE(scanner.Scan("%lf", count));
}

TEST(ScanPatterns, IntegerStopsAtTheFirstCharacterThatDoesNotFit) {
  int row = 0;
  double x = 0.0, y = 0.0;
  TextScanner scanner("           5:             0    -0.00123457\n");
  EXPECT_TRUE(scanner.Scan("%d:%lf%lf\n", row, x, y));
  EXPECT_EQ(row, 5);
  EXPECT_EQ(y, -0.00123457);
}

TEST(ScanLines, SkipLineStopsAfterTheBreakOrAtTheCharacterLimit) {
  int value = 0;
  TextScanner shortLine("header\n12\n");
  shortLine.SkipLine(99);
  EXPECT_TRUE(shortLine.Scan("%d", value));
  EXPECT_EQ(value, 12);

  TextScanner longLine("123456789\n");
  longLine.SkipLine(4);
  EXPECT_TRUE(longLine.Scan("%d", value));
  EXPECT_EQ(value, 56789);
}

TEST(ScanLines, LineNumberNamesTheLineWhereScanningStopped) {
  int count = 0;
  TextScanner scanner("E=1\n\nNPOIN=x\n");
  double e = 0.0;
  ASSERT_TRUE(scanner.Scan("E=%lf\n", e));
  EXPECT_FALSE(scanner.Scan("NPOIN=%d\n", count));
  EXPECT_EQ(scanner.LineNumber(), 3);

  TextScanner ended("E=1\n");
  ASSERT_TRUE(ended.Scan("E=%lf\n", e));
  EXPECT_EQ(ended.LineNumber(), 1);
}

TEST(ScanLines, LineNumberCountsEveryKindOfLineEnd) {
  for (const char* lineEnd : {"\n", "\r\n", "\r"}) {
    SCOPED_TRACE(testing::PrintToString(std::string(lineEnd)));
    const std::string end(lineEnd);
    const std::string text = "E=1" + end + end + "Mu=0.3" + end + "NPOIN=x" + end;
    TextScanner scanner(text);
    double e = 0.0, mu = 0.0;
    int count = 0;
    EXPECT_EQ(scanner.LineNumber(), 1);
    ASSERT_TRUE(scanner.Scan("E=%lf\n", e));
    ASSERT_TRUE(scanner.Scan("Mu=%lf\n", mu));
    EXPECT_FALSE(scanner.Scan("NPOIN=%d\n", count));
    EXPECT_EQ(scanner.LineNumber(), 4);
    EXPECT_EQ(scanner.LineNumber(), 4);  // asking again counts nothing twice
  }
}

}  // namespace
}  // namespace kestrix

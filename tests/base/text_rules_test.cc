#include <gtest/gtest.h>

#include "base/numbers.h"
#include "base/strings.h"
#include "base/wildcard.h"

namespace velmora {
namespace {

TEST(MatchesPattern, Table) {
  struct Case {
    const char* text;
    const char* pattern;
    bool match;
  } cases[] = {
      {"", "", true},
      {"", "*", true},
      {"abc", "*", true},
      {"abc", "a*c", true},
      {"abc", "a?c", true},
      {"abc", "a?", false},  // the whole text must match
      {"12:TITLE", "##:*", true},
      {"1:TITLE", "##:*", false},
      {"x%CVW_SPS y%VUSER zVW_USER,", "*%CVW_SPS*%VUSER*VW_USER*", true},
      {"ABC", "abc", false},  // case-sensitive
      {"a#c", "a#c", false},  // "#" is a digit, not itself
      {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*a*a*a*c", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(MatchesPattern(c.text, c.pattern), c.match) << c.text << " ~ " << c.pattern;
}

TEST(ReadNumber, Table) {
  struct Case {
    const char* text;
    double value;
  } cases[] = {
      {"12.5", 12.5}, {"  -3", -3}, {"1 10", 110},      {"1.5E3", 1500}, {"2D2", 200}, {"7,5", 7},
      {"abc", 0},     {"", 0},      {"\t+4.25}", 4.25}, {"1.2.3", 1.2},  {"-", 0},     {"5E", 5},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(ReadNumber(c.text), c.value) << c.text;
}

TEST(IntegerLiteralValue, Table) {
  struct Case {
    const char* text;
    int value;
  } cases[] = {
      {"'H1F'", 31},   {"'B1010'", 10}, {"12", 12},    {"T12", 0},   {"2.5", 2},     {"3.5", 4},
      {"'HFFFF'", -1}, {"'h10'", 16},   {"'HXYZ'", 0}, {"99999", 0}, {" 'B11' ", 3}, {"", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(IntegerLiteralValue(c.text), c.value) << c.text;
}

TEST(LocaleNumbers, DecimalCommaAndPoint) {
  SetLocaleDecimalSeparator(",");
  EXPECT_EQ(ToLocaleNumberText("12.5"), "12,5");
  EXPECT_EQ(ToLocaleNumberText("100 %"), "100");
  EXPECT_EQ(ToLocaleNumberText("2 m/s"), "2");
  EXPECT_EQ(ToLocaleNumberText(""), "0,0000");
  EXPECT_TRUE(IsNumeric("12,5"));
  EXPECT_DOUBLE_EQ(*NumericValue("-12,5"), -12.5);
  SetLocaleDecimalSeparator(".");
  EXPECT_EQ(ToLocaleNumberText("12,5"), "12.5");
  EXPECT_EQ(ToLocaleNumberText("100 %"), "100 %");
  EXPECT_FALSE(IsNumeric("12,5"));
  EXPECT_FALSE(IsNumeric(""));
  EXPECT_FALSE(IsNumeric("1e"));
  SetLocaleDecimalSeparator("'");
  EXPECT_EQ(ToLocaleNumberText("1.5"), "");
  SetLocaleDecimalSeparator(std::nullopt);
  EXPECT_EQ(AllCommasToPoints("1,2,3"), "1.2.3");
  EXPECT_EQ(ToCommaDecimal("1.2.3"), "1,2.3");
  EXPECT_EQ(ToPointDecimal("1,2,3"), "1.2,3");
}

TEST(Strings, LineEndsAndCodePage) {
  EXPECT_EQ(NormalizeLineEnds("a\nb\r\nc\rd"), "a\r\nb\r\nc\r\nd");
  EXPECT_EQ(Trim(" \t x y \t"), "x y");
  const std::string bytes = "Gr\xFC\xDF \x80 \x81";
  EXPECT_EQ(Cp1252ToUtf8(bytes), "Gr\u00FC\u00DF \u20AC \u0081");
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(bytes)), bytes);
}

}  // namespace
}  // namespace velmora

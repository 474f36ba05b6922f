#include "geometry/robotmath/aggregate_parser.h"

#include <gtest/gtest.h>

#include "geometry/robotmath/turn_text.h"

namespace velmora {
namespace {

TEST(AggregateParserTest, ComponentsTypeAndSpans) {
  AggregateParser p;
  const std::string text = "XP1={E6AXIS: A1 10.5, A2 -90,A3  7 ,E1 } ; tail";
  ASSERT_TRUE(p.Parse(text));
  EXPECT_EQ(p.TypeName(), "E6AXIS");
  ASSERT_EQ(p.ItemList().size(), 4u);
  std::string value;
  EXPECT_TRUE(p.GetValue("a2", &value));
  EXPECT_EQ(value, "-90");
  EXPECT_TRUE(p.GetValue("A3", &value));
  EXPECT_EQ(value, "7");
  EXPECT_TRUE(p.GetValue("E1", &value));
  EXPECT_EQ(value, "");
  EXPECT_FALSE(p.GetValue("A4", &value));
  const AggregateItem& a1 = p.ItemList()[0];
  EXPECT_EQ(text.substr(a1.value_begin, a1.value_end - a1.value_begin), "10.5");
  EXPECT_EQ(text.substr(p.begin(), p.end() - p.begin()), "{E6AXIS: A1 10.5, A2 -90,A3  7 ,E1 }");

  ASSERT_TRUE(p.Parse("{POINT1[] \"a,b\", SUB {X 1, Y 2}, N 3}"));  // quoted and nested values
  ASSERT_EQ(p.ItemList().size(), 3u);
  EXPECT_EQ(p.ItemList()[1].value, "{X 1, Y 2}");
  EXPECT_TRUE(p.Parse("{E6POS:}"));
  EXPECT_TRUE(p.ItemList().empty());
}

TEST(AggregateParserTest, Rejects) {
  AggregateParser p;
  for (const char* text : {"X 1, Y 2", "{X 1, Y 2", "{X 1,, Y 2}", "{X 1, 5}", "{X-1}"})
    EXPECT_FALSE(p.Parse(text)) << text;
}

TEST(AggregateParserTest, Numbers) {
  double v = 0;
  EXPECT_TRUE(ParseNumber(" -1.5E+02 ", &v));
  EXPECT_EQ(v, -150);
  EXPECT_TRUE(ParseNumber("+3", &v));
  EXPECT_EQ(v, 3);
  for (const char* bad : {"", "1,5", "x", "inf", "nan", "1 2", "++1"})
    EXPECT_FALSE(ParseNumber(bad, &v)) << bad;
}

TEST(TurnTextTest, KeepsTheWrittenForm) {
  EXPECT_EQ(FlipTurnBits("35", 41), "10");
  EXPECT_EQ(FlipTurnBits(" 'B000001' ", 41), "'B101000'");
  EXPECT_EQ(FlipTurnBits("'b1'", 41), "'B101000'");
  EXPECT_EQ(FlipTurnBits("'H23'", 41), "'H0A'");
  EXPECT_EQ(FlipTurnBits("1.5", 41), std::nullopt);
  EXPECT_EQ(FlipTurnBits("", 41), std::nullopt);
}

}  // namespace
}  // namespace velmora

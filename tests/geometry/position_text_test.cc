#include "geometry/position_text.h"

#include <gtest/gtest.h>

#include "base/numbers.h"

namespace velmora {
namespace {

TEST(FormatNumberTest, GeneralForm) {
  struct Row {
    double value;
    const char* text;
  } rows[] = {{1000.5, "1000.5"},
              {-0.25, "-0.25"},
              {0, "0"},
              {-0.0, "0"},
              {0.1 + 0.2, "0.3"},
              {1e-5, "1E-05"},
              {0.0001, "0.0001"},
              {1e15, "1E+15"},
              {123456789012345, "123456789012345"},
              {1.0 / 3, "0.333333333333333"},
              {10.100000381469727, "10.1000003814697"}};
  for (const Row& row : rows) EXPECT_EQ(FormatNumber(row.value), row.text) << row.value;
}

TEST(FormatNumberTest, PositionIgnoresALocaleWithDecimalComma) {
  SetLocaleDecimalSeparator(",");
  EXPECT_EQ(FormatPosition(1000.5, -0.25, 0, 90, 0, 180), "{X 1000.5,Y -0.25,Z 0,A 90,B 0,C 180}");
  SetLocaleDecimalSeparator(std::nullopt);
}

TEST(ComponentTextTest, Values) {
  struct Row {
    const char* text;
    const char* key;
    const char* value;
  } rows[] = {
      {"{X 1,Y 2,Z 3,A 0,B 0,C 0,S 6,T 27}", "S ", "6"},
      {"{X 1,Y 2,Z 3,A 0,B 0,C 0,S 6,T 27}", "T ", "27"},
      {"{E6POS: X 1.5, Y -2, Z 3}", "Z ", "3"},
      {"{E6POS: X 1.5, Y -2, Z 3}", "S ", ""},
      {"X 1,Y 2", "X ", ""},         // no brace
      {"{X 1", "X ", ""},            // neither "," nor "}"
      {"XP1={X 5,Y 6}", "X ", "5"},  // the name does not match "X "
  };
  for (const Row& row : rows) EXPECT_EQ(ComponentText(row.text, row.key), row.value) << row.text;
}

TEST(MergeMissingComponentsTest, CarriesStatusTurnAndExternalAxes) {
  std::string value = "{X 5,Y 2,Z 3,A 0,B 0,C 0}";
  MergeMissingComponents("{X 1,Y 2,Z 3,A 0,B 0,C 0,S 6,T 27,E1 0,E2 0,E3 0,E4 0,E5 0,E6 0}", value);
  EXPECT_EQ(value, "{X 5,Y 2,Z 3,A 0,B 0,C 0,S 6,T 27,E1 0,E2 0,E3 0,E4 0,E5 0,E6 0}");

  value = "{X 110,Y 0,Z 0,A 0,B 0,C 0}";
  MergeMissingComponents("xp1={x 100,y 0,z 0,a 0,b 0,c 0,s 2,t 35}", value);
  EXPECT_EQ(value, "{X 110,Y 0,Z 0,A 0,B 0,C 0,S 2,T 35}");

  value = "{X 1,Y 2,Z 3,A 4,B 5,C 6}";
  MergeMissingComponents("XP7={E6POS: X 0, Y 0, Z 0, A 0, B 0, C 0, S 'B110', T 'B10', E1 12.5}",
                         value);
  EXPECT_EQ(value, "{X 1,Y 2,Z 3,A 4,B 5,C 6,S 'B110',T 'B10',E1 12.5}");
}

}  // namespace
}  // namespace velmora

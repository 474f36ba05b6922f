#include "commands/manualshift/input_frame.h"

#include <gtest/gtest.h>

#include "base/app_context.h"
#include "base/numbers.h"

namespace velmora {
namespace {

// Sets the locale's decimal separator for one scope.
class Separator {
 public:
  explicit Separator(const char* separator) { SetLocaleDecimalSeparator(separator); }
  ~Separator() { SetLocaleDecimalSeparator(std::nullopt); }
};

const char* const kSeparators[] = {".", ","};

TEST(FormatInputValue, FourDecimalsCutNotRounded) {
  struct Case {
    float value;
    const char* point;  // under a decimal-point locale
    const char* comma;  // under a decimal-comma locale
  } cases[] = {
      {0.0f, "0,0000", "0,0000"},  // whole numbers always with a comma
      {100.0f, "100,0000", "100,0000"}, {-3.0f, "-3,0000", "-3,0000"},
      {1.5f, "1.5000", "1,5000"},       {12.34567f, "12.3456", "12,3456"},
      {-0.25f, "-0.2500", "-0,2500"},   {0.99999f, "0.9999", "0,9999"},
      {1e-05f, "1E-05", "1E-05"},       {2.5e-07f, "2.5E-07", "2,5E-07"},
      {1e+08f, "1E+08", "1E+08"},
  };
  for (const char* separator : kSeparators) {
    Separator locale(separator);
    for (const Case& c : cases) {
      EXPECT_EQ(FormatInputValue(c.value), *separator == '.' ? c.point : c.comma)
          << c.value << " with " << separator;
    }
  }
}

TEST(FillInputBoxes, FromTheFrameText) {
  for (const char* separator : kSeparators) {
    Separator locale(separator);
    const InputBoxes zero = FillInputBoxes("{X 0.0, Y 0.0, Z 0.0, A 0.0, B 0.0, C 0.0}", 1, {});
    for (const std::string& box : zero) EXPECT_EQ(box, "0,0000") << separator;
  }
  Separator locale(",");
  const InputBoxes current = {"a", "b", "c", "d", "e", "f"};
  EXPECT_EQ(FillInputBoxes("{X 1.5,Y -2,Z 3,A 90,B 0,C 180}", kInputBase, current),
            (InputBoxes{"1,5000", "-2,0000", "3,0000", "90,0000", "0,0000", "180,0000"}));
  // The TTS entries hold X, Y and Z only.
  EXPECT_EQ(FillInputBoxes("{X 1.5,Y -2,Z 3,A 90,B 0,C 180}", kInputTtsFirst, current),
            (InputBoxes{"1,5000", "-2,0000", "3,0000", "d", "e", "f"}));
}

TEST(CheckInputBox, NormalisesToTheLocaleAndReportsWhatIsNotANumber) {
  struct Case {
    const char* separator;
    int box;
    const char* typed;
    const char* shown;
    bool numeric;
  } cases[] = {
      {",", 0, "1.5", "1,5", true},     {".", 0, "1,5", "1.5", true},
      {",", 1, "-0,25", "-0,25", true}, {",", 2, "1.5.2", "1,5.2", false},
      {".", 3, "", "", false},          {",", 5, "12a", "12a", false},
      {".", 4, " 7 ", " 7 ", true},     {",", 0, "1E-05", "1E-05", true},
  };
  for (const Case& c : cases) {
    Separator locale(c.separator);
    AppContext context;
    const BoxCheck check = CheckInputBox(context, c.box, c.typed);
    EXPECT_EQ(check.text, c.shown) << c.typed;
    EXPECT_EQ(check.numeric, c.numeric) << c.typed;
    const auto& lines = context.messages.lines();
    if (c.numeric) {
      EXPECT_TRUE(lines.empty()) << c.typed;
    } else {
      ASSERT_FALSE(lines.empty()) << c.typed;
      const std::string letters[] = {"X", "Y", "Z", "A", "B", "C"};
      EXPECT_EQ(lines.back().message_no, "300");
      EXPECT_EQ(lines.back().text, "<Hotedit>");
      EXPECT_EQ(lines.back().result, "<" + letters[c.box] + " = >" + c.shown + " <is> <False>");
    }
  }
}

TEST(BuildOffsetText, NumbersWithAPointWhateverTheLocale) {
  struct Case {
    const char* name;
    int state;
    InputBoxes boxes;
    const char* offset;
  } cases[] = {
      {"BASE after typing 1.5",
       kInputBase,
       {"1,5", "0,0000", "0,0000", "0,0000", "0,0000", "0,0000"},
       "{X 1.5, Y 0, Z 0, A 0, B 0, C 0}"},
      {"every box",
       kInputTcp,
       {"-12,25", "0,5", "3", "90", "-45,125", "180"},
       "{X -12.25, Y 0.5, Z 3, A 90, B -45.125, C 180}"},
      {"AXIS",
       kInputAxis,
       {"1", "-2,5", "0", "0", "0", "10"},
       "{A1 1, A2 -2.5, A3 0, A4 0, A5 0, A6 10}"},
      {"TTS entries read X, Y and Z",
       kInputTtsSecond,
       {"1", "2", "3", "4", "5", "6"},
       "{X 1, Y 2, Z 3, A 0, B 0, C 0}"},
      {"not a number counts as 0",
       kInputWorld,
       {"abc", "", "1E-05", "0", "0", "0"},
       "{X 0, Y 0, Z 1E-05, A 0, B 0, C 0}"},
  };
  for (const char* separator : kSeparators) {
    Separator locale(separator);
    for (const Case& c : cases) {
      InputBoxes typed = c.boxes;
      if (*separator == '.') {
        for (std::string& box : typed) box = AllCommasToPoints(box);
      }
      const OffsetEntry entry = BuildOffsetText(c.state, typed);
      EXPECT_EQ(entry.text, c.offset) << c.name << " with " << separator;
    }
  }
  Separator locale(",");
  const OffsetEntry entry = BuildOffsetText(kInputBase, {"abc", "1.5", "2", "0", "0", "0"});
  EXPECT_EQ(entry.boxes, (InputBoxes{"0,0000", "1,5", "2", "0", "0", "0"}));
}

}  // namespace
}  // namespace velmora

#include "geometry/tool_base_tables.h"

#include <gtest/gtest.h>

#include "geometry/shift_fixture.h"

namespace velmora {
namespace {

using test::FakeController;

TEST(ParseToolTest, NumbersAndModes) {
  struct Row {
    const char* param;
    int tool, base;
    const char* ipo;
  } rows[] = {
      {"FP1={TOOL_NO 3,BASE_NO 0,IPO_FRAME #TCP}", 3, 0, "#TCP"},
      {"FP1={TOOL_NO 1,BASE_NO 2,IPO_FRAME #BASE,POINT2[] \" \"}", 1, 2, "#BASE"},
      {"FP1={TOOL_NO 1,BASE_NO 2,POINT2[] \"P1\"}", 1, 2, ""},
      {"FP1={TOOL_NO 1,BASE_NO 2}", 1, 2, ""},  // the base ends at the text's end
      {"FP1={TOOL_NO 2.5,BASE_NO 3.5,IPO_FRAME #NONE}", 2, 4, ""},  // halves to even
      {"Para1={TOOL_NO 4,BASE_NO 7,IPO_FRAME #BASE,POINT 3}", 4, 7, "#BASE"},
      {"FP1={TOOL_NO 1,IPO_FRAME #BASE}", -1, -1, ""},  // no ",BASE_NO "
      {"", -1, -1, ""},
  };
  for (const Row& row : rows) {
    ToolBaseIpo parsed = ParseToolText(row.param);
    EXPECT_EQ(parsed.tool, row.tool) << row.param;
    EXPECT_EQ(parsed.base, row.base) << row.param;
    EXPECT_EQ(parsed.ipo, row.ipo) << row.param;
  }
  EXPECT_EQ(IpoModeNumber("#BASE"), 0);
  EXPECT_EQ(IpoModeNumber("#TCP"), 1);
  EXPECT_EQ(IpoModeNumber(""), -1);
}

TEST(ToolBaseTablesTest, ReadToolBaseDataReadsOnlyNumbersInRange) {
  FakeController controller;
  controller.vars = {{"TOOL_DATA[3]", "{FRAME: X 1, Y 2, Z 3, A 0, B 0, C 0}"},
                     {"TOOL_TYPE[3]", "#BASE"},
                     {"BASE_DATA[0]", "{FRAME: X 0, Y 0, Z 0, A 0, B 0, C 0}"},
                     {"BASE_TYPE[0]", "#NONE"}};
  FrameTables tables;
  EXPECT_TRUE(ReadToolBaseData(&controller, 3, 0, tables));
  EXPECT_EQ(tables.tool_data[3], "TOOL_DATA[3]={FRAME: X 1, Y 2, Z 3, A 0, B 0, C 0}");
  EXPECT_EQ(tables.base_type[0], "BASE_TYPE[0]=#NONE");
  controller.requests.clear();
  EXPECT_FALSE(ReadToolBaseData(&controller, 129, 0, tables));
  EXPECT_EQ(controller.requests, (std::vector<std::string>{"BASE_DATA[0]", "BASE_TYPE[0]"}));
  EXPECT_FALSE(ReadToolBaseData(&controller, 4, 0, tables));  // in range, not readable
  EXPECT_FALSE(ReadToolBaseData(nullptr, 3, 0, tables));
}

TEST(ToolBaseTablesTest, FrameOfTextReadsTheFrameForm) {
  Frame f = FrameOfText("BASE_DATA[1]={FRAME: X 1.5, Y -2, Z 3, A 90, B -45, C 180}");
  EXPECT_EQ(f.x, 1.5);
  EXPECT_EQ(f.y, -2);
  EXPECT_EQ(f.a, 90);
  EXPECT_EQ(f.b, -45);
  EXPECT_EQ(f.c, 180);
  f = FrameOfText("");
  EXPECT_EQ(f.x, 0);
}

TEST(ToolBaseTablesTest, SetControllerToolBase) {
  struct Row {
    const char* param;
    bool result;
    std::vector<std::string> sets;
  } rows[] = {
      {"FP1={TOOL_NO 3,BASE_NO 0,IPO_FRAME #TCP}",
       true,
       {"$IPO_MODE=#TCP", "$TOOL=TOOL_DATA[3]", "$BASE=$NULLFRAME"}},
      {"FP1={TOOL_NO 0,BASE_NO 5,IPO_FRAME #BASE}",
       true,
       {"$IPO_MODE=#BASE", "$TOOL=$NULLFRAME", "$BASE=BASE_DATA[5]"}},
      {"FP1={TOOL_NO 1,BASE_NO 2,POINT2[] \"P\"}", false, {}},  // no mode: nothing is set
      {"FP1={TOOL_NO 1}", false, {}},
  };
  for (const Row& row : rows) {
    FakeController controller;
    EXPECT_EQ(SetControllerToolBase(&controller, row.param), row.result) << row.param;
    EXPECT_EQ(controller.sets, row.sets) << row.param;
  }
  FakeController failing;
  failing.fail_sets = true;
  EXPECT_FALSE(SetControllerToolBase(&failing, "FP1={TOOL_NO 1,BASE_NO 2,IPO_FRAME #BASE}"));
  EXPECT_EQ(failing.sets.size(), 1u);
}

TEST(ToolBaseTablesTest, LimitsAreTheSmallerOfMaximumAndConfiguredFrames) {
  auto controller_with = [](const char* max_tool, int tools, const char* max_base, int bases) {
    auto c = std::make_unique<FakeController>();
    if (max_tool) c->vars["MAX_TOOL"] = max_tool;
    if (max_base) c->vars["MAX_BASE"] = max_base;
    for (int i = 1; i <= tools; ++i) c->vars["TOOL_DATA[" + std::to_string(i) + "]"] = "{X 0}";
    for (int i = 1; i <= bases; ++i) c->vars["BASE_DATA[" + std::to_string(i) + "]"] = "{X 0}";
    return c;
  };
  struct Row {
    const char *max_tool, *max_base;
    int tools, bases, tool_limit, base_limit;
  } rows[] = {
      {"20", "20", 24, 40, 24, 32},        // raised to 32 first
      {"200", "64", 128, 128, 128, 64},    // capped at 128
      {nullptr, nullptr, 20, 20, 16, 16},  // unreadable maximum: 16
      {"48", "48", 0, 3, 0, 3},
  };
  for (const Row& row : rows) {
    auto c = controller_with(row.max_tool, row.tools, row.max_base, row.bases);
    ToolBaseLimits limits = ReadToolBaseLimits(c.get());
    EXPECT_EQ(limits.MaxTool, row.tool_limit);
    EXPECT_EQ(limits.MaxBase, row.base_limit);
  }
  EXPECT_EQ(ReadToolBaseLimits(nullptr).MaxTool, 0);
  auto gap = controller_with(nullptr, 5, nullptr, 0);
  gap->vars.erase("TOOL_DATA[3]");
  EXPECT_EQ(CountConfiguredFrames(gap.get(), "TOOL_DATA[", 10), 2);
}

}  // namespace
}  // namespace velmora

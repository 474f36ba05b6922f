#include "sim/data_list.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace velmora::sim {
namespace {

using test::Crlf;
using test::ReadBytes;

const std::string kDat = Crlf(
    "&ACCESS RVP\n"
    "DEFDAT $CONFIG PUBLIC\n"
    "; tool table\n"
    "DECL GLOBAL INT MAX_TOOL=16 ; the limit\n"
    "INT COUNT\n"
    "DECL FRAME TOOL_DATA[4]\n"
    "TOOL_DATA[1]={X 1.0,Y 2.0,Z 3.0,A 0.0,B 0.0,C 0.0}\n"
    "DECL CHAR NAME[24]\n"
    "NAME[]=\"first; not a comment\"\n"
    "DECL E6POS XP1={X 10,Y 20,Z 30,A 0,B 0,C 0,S 6,T 27,E1 0,E2 0,E3 0,E4 0,E5 0,E6 0}\n"
    "DECL FDAT FP1={TOOL_NO 1,BASE_NO 0,IPO_FRAME #BASE,POINT2[] \" \"}\n"
    "ENDDAT\n");

class DataListTest : public ::testing::Test {
 protected:
  DataListTest() : file_(dir_.Write("x.dat", kDat)), list_(file_) {}
  void SetUp() override { ASSERT_TRUE(list_.Refresh()); }
  std::string Get(const char* name) {
    Value value;
    SimError error;
    EXPECT_TRUE(list_.Get(*ParseVarRef(name), &value, &error)) << name << " " << error.message;
    return value.type + " " + value.text;
  }
  SimError Put(const char* name, const char* text, const char* type = "STRUCT") {
    SimError error;
    list_.Put(*ParseVarRef(name), Value{type, text}, &error);
    return error;
  }

  test::TempDir dir_;
  std::filesystem::path file_;
  DataList list_;
};

TEST_F(DataListTest, ReadsDeclarationsElementsAndCharacterArrays) {
  EXPECT_EQ(Get("MAX_TOOL"), "INT 16");
  EXPECT_EQ(Get("tool_data[1]"), "FRAME {X 1.0,Y 2.0,Z 3.0,A 0.0,B 0.0,C 0.0}");
  EXPECT_EQ(Get("NAME[]"), "CHAR \"first; not a comment\"");
  EXPECT_EQ(Get("FP1"), "FDAT {TOOL_NO 1,BASE_NO 0,IPO_FRAME #BASE,POINT2[] \" \"}");
  EXPECT_EQ(list_.Names(),
            (std::vector<std::string>{"MAX_TOOL", "COUNT", "TOOL_DATA", "NAME", "XP1", "FP1"}));
}

TEST_F(DataListTest, RefusedReads) {
  struct Case {
    const char* name;
    ErrorNo number;
  } cases[] = {{"NONE", ErrorNo::kUnknownVariable},
               {"COUNT", ErrorNo::kNotAssigned},
               {"TOOL_DATA[2]", ErrorNo::kNotAssigned},
               {"TOOL_DATA[5]", ErrorNo::kIndexOutOfRange},
               {"TOOL_DATA[0]", ErrorNo::kIndexOutOfRange},
               {"TOOL_DATA", ErrorNo::kSyntax},
               {"MAX_TOOL[1]", ErrorNo::kSyntax}};
  for (const Case& c : cases) {
    Value value;
    SimError error;
    EXPECT_FALSE(list_.Get(*ParseVarRef(c.name), &value, &error)) << c.name;
    EXPECT_EQ(error.number, c.number) << c.name;
  }
}

TEST_F(DataListTest, WritesKeepEveryOtherByte) {
  ASSERT_EQ(Put("XP1", "{X 11.5,Y 20}").message, "");
  ASSERT_EQ(Put("MAX_TOOL", "20", "INT").message, "");
  ASSERT_EQ(Put("COUNT", "3", "INT").message, "");
  ASSERT_EQ(Put("TOOL_DATA[3]", "{X 9.0}").message, "");
  ASSERT_EQ(Put("NAME[]", "\"second\"", "CHAR").message, "");
  std::string expected = kDat;
  expected = expected.replace(expected.find("{X 10,Y 20,"), 11, "{X 11.5,Y 20.0,");
  expected = expected.replace(expected.find("MAX_TOOL=16"), 11, "MAX_TOOL=20");
  expected = expected.replace(expected.find("INT COUNT"), 9, "INT COUNT=3");
  expected = expected.insert(expected.find("DECL CHAR"), "TOOL_DATA[3]={X 9.0}\r\n");
  expected = expected.replace(expected.find("\"first; not a comment\""), 22, "\"second\"");
  EXPECT_EQ(ReadBytes(file_), expected);
  EXPECT_EQ(Get("XP1"),
            "E6POS {X 11.5,Y 20.0,Z 30,A 0,B 0,C 0,S 6,T 27,E1 0,E2 0,E3 0,E4 0,E5 0,E6 0}");
}

TEST_F(DataListTest, ValuesThatDoNotFitLeaveTheFileAlone) {
  EXPECT_EQ(Put("MAX_TOOL", "1.5", "REAL").number, ErrorNo::kTypeMismatch);
  EXPECT_EQ(Put("XP1", "{X abc}").number, ErrorNo::kTypeMismatch);
  EXPECT_EQ(Put("XP1", "{Q 1}").number, ErrorNo::kTypeMismatch);
  EXPECT_EQ(Put("NAME[]", "unquoted", "ENUM").number, ErrorNo::kTypeMismatch);
  EXPECT_EQ(Put("TOOL_DATA[9]", "{X 1}").number, ErrorNo::kIndexOutOfRange);
  EXPECT_EQ(ReadBytes(file_), kDat);
}

TEST_F(DataListTest, PicksUpChangesOnDisk) {
  std::filesystem::last_write_time(
      file_, std::filesystem::last_write_time(file_) - std::chrono::seconds(10));
  ASSERT_TRUE(list_.Refresh());
  dir_.Write("x.dat", Crlf("DEFDAT X\nDECL INT MAX_TOOL=99\nENDDAT\n"));
  ASSERT_TRUE(list_.Refresh());
  EXPECT_EQ(Get("MAX_TOOL"), "INT 99");
  EXPECT_FALSE(list_.Declares("XP1"));
  std::filesystem::remove(file_);
  EXPECT_FALSE(list_.Refresh());
  EXPECT_FALSE(list_.Declares("MAX_TOOL"));
}

}  // namespace
}  // namespace velmora::sim

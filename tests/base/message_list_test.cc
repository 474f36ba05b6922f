#include <gtest/gtest.h>

#include "base/app_context.h"
#include "base/identifier.h"
#include "support/test_support.h"

namespace velmora {
namespace {

Language TestLanguage() {
  test::TempDir dir;
  auto ini = dir.Write("t.ini",
                       "[Assistent]\nEditor=Velmora\nstart1=started\nOK=fine\nmnuFile=F1 File\n"
                       "mnuOpen=Open\nFileMirroring=Mirror file\nmnuindatei=Destination\n"
                       "IsNotCorrect=is not correct\nInvalidCharacterInName=Invalid name\n"
                       "Count=%1 points\n[Meldung]\nColumnMsgNr=No.\n");
  Language language;
  language.Load(ini);
  return language;
}

TEST(MessageList, StartLinesNumberingAndClear) {
  AppContext context(TestLanguage());
  MessageList& list = context.messages;
  list.SetUp(1);
  ASSERT_EQ(list.lines().size(), 2u);
  EXPECT_EQ(list.lines()[0].text, "Velmora started");
  EXPECT_EQ(list.lines()[0].result, "fine");  // start lines show the translated "OK"
  EXPECT_EQ(list.lines()[1].text, "File Open");
  while (list.lines().size() < 1000) list.AddMessage("m", "010", "");
  EXPECT_EQ(list.lines()[9].number_cell, "010");
  EXPECT_EQ(list.lines()[99].number_cell, "100");
  EXPECT_EQ(list.lines()[998].number_cell, "999");
  EXPECT_EQ(list.lines()[999].number_cell, "");
  EXPECT_EQ(list.lines()[999].result, "OK");  // an empty result shows the literal
  list.Clear();
  list.AddMessage("again", "010", "done");
  EXPECT_EQ(list.lines()[0].number_cell, "001");
}

TEST(MessageList, FocusStaysOnlyForMessagesToRead) {
  AppContext context(TestLanguage());
  for (const char* number : {"220", "020", "400", "300", "341", "342", "600", "700"}) {
    context.AddMessage("x", number, "");
    EXPECT_TRUE(context.messages.focus_in_list()) << number;
  }
  for (const char* number : {"010", "030", "999", "351"}) {
    context.AddMessage("x", number, "");
    EXPECT_FALSE(context.messages.focus_in_list()) << number;
  }
}

TEST(Language, MissingKeysShowAndParametersAreInserted) {
  Language language = TestLanguage();
  EXPECT_EQ(language.AssistantText("NoSuchKey"), "<NoSuchKey>");
  EXPECT_EQ(language.AssistantTextWithParam("Count", "12"), "12 points");
  EXPECT_EQ(language.MessageText("columnmsgnr"), "No.");
}

TEST(CheckName, Table) {
  struct Case {
    const char* text;
    const char* kind;
    bool ok;
  } cases[] = {
      {"ABCDEFGHIJKLMNOPQRSTUVWX", "ZName", true},  // 24 characters
      {"ABCDEFGHIJKLMNOPQRSTUVWXY", "ZName", false},
      {"1ABC", "ZName", false},
      {"MY-PROG", "ZName", false},
      {"with blanks ok", "Comment", true},
      {"no.period", "Comment", false},
  };
  for (const auto& c : cases) EXPECT_EQ(CheckName(c.text, c.kind), c.ok) << c.text;
}

TEST(CheckNameWithMessages, ListsWhyANameIsRefused) {
  struct Case {
    const char* text;
    bool ok;
    std::vector<std::string> results;
  } cases[] = {
      {"ABCDEFGHIJKLMNOPQRSTUVWX", true, {}},
      {"ABCDEFGHIJKLMNOPQRSTUVWXY",
       false,
       {"Destination-name: Character > 24 is not correct", "Destination-name is not correct"}},
      {"9LIVES", false, {"Invalid name", "Destination-name is not correct"}},
      {"", false, {"Invalid name", "Destination-name is not correct"}},
      {"MY-PROG", false, {}},  // refused without a message
  };
  for (const auto& c : cases) {
    AppContext context(TestLanguage());
    context.messages.SetUp(0);
    EXPECT_EQ(CheckNameWithMessages(context, c.text, "Name", c.text), c.ok) << c.text;
    std::vector<std::string> results;
    for (size_t i = 1; i < context.messages.lines().size(); ++i)
      results.push_back(context.messages.lines()[i].result);
    EXPECT_EQ(results, c.results) << c.text;
  }
}

}  // namespace
}  // namespace velmora

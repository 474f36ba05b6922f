// Notifications of the controller: cyclic information, pendant keys and messages reach the
// owner only through ProcessEvents.
#include "base/strings.h"
#include "it/client_fixture.h"

namespace velmora::it {
namespace {

TEST_F(ClientTest, CyclicInformationWithRegistrationNumbers) {
  std::string result = "unchanged";
  ASSERT_TRUE(client_.SetInfoOn("$AXIS_ACT", result));
  EXPECT_TRUE(result.starts_with("{E6AXIS: A1 0.0, A2 -90.0")) << result;
  EXPECT_EQ(client_.InfoRegistrations().at("$AXIS_ACT").m_nID, "1");
  // The same name again: true, no new number, the result left alone.
  std::string again = "unchanged";
  ASSERT_TRUE(client_.SetInfoOn("$AXIS_ACT", again));
  EXPECT_EQ(again, "unchanged");
  EXPECT_EQ(client_.InfoRegistrations().at("$AXIS_ACT").m_nID, "1");

  ASSERT_EQ(sim_.Ctl({"set", "$AXIS_ACT", "{A1 12.5}"}).exit_code, 0);
  ASSERT_TRUE(EventsUntil([&] { return !infos_.empty(); }));
  EXPECT_TRUE(infos_[0].starts_with("$AXIS_ACT={E6AXIS: A1 12.5, A2 -90.0")) << infos_[0];
  EXPECT_EQ(cmd_messages_, infos_);

  // Off, and on again: the next number, never the old one.
  ASSERT_TRUE(client_.SetInfoOff("$AXIS_ACT"));
  EXPECT_FALSE(client_.SetInfoOff("$AXIS_ACT"));
  ASSERT_TRUE(client_.SetInfoOn("$AXIS_ACT", result));
  EXPECT_EQ(client_.InfoRegistrations().at("$AXIS_ACT").m_nID, "2");
  ASSERT_TRUE(client_.SetInfoOn("$PRO_STATE1", result));
  EXPECT_EQ(client_.InfoRegistrations().at("$PRO_STATE1").m_nID, "3");
  EXPECT_EQ(result, "#P_FREE");
}

TEST_F(ClientTest, UnchangedValuesAreNotPushed) {
  std::string result;
  ASSERT_TRUE(client_.SetInfoOn("$PRO_STATE1", result));
  ASSERT_TRUE(client_.SetInfoOn("$AXIS_ACT", result));
  ASSERT_EQ(sim_.Ctl({"set", "$AXIS_ACT", "{A1 1.0}"}).exit_code, 0);
  ASSERT_TRUE(EventsUntil([&] { return !infos_.empty(); }));
  ASSERT_EQ(sim_.Ctl({"set", "$AXIS_ACT", "{A1 2.0}"}).exit_code, 0);
  ASSERT_TRUE(EventsUntil([&] { return infos_.size() == 2; }));
  for (const auto& info : infos_) EXPECT_TRUE(info.starts_with("$AXIS_ACT=")) << info;
}

TEST_F(ClientTest, PendantKeysAndMessagesArriveAsEvents) {
  ASSERT_EQ(sim_.Ctl({"key", "112"}).exit_code, 0);
  ASSERT_EQ(sim_.Ctl({"message", "Door open"}).exit_code, 0);
  ASSERT_TRUE(EventsUntil([&] { return !keys_.empty() && !messages_.empty(); }));
  EXPECT_EQ(keys_, std::vector<int32_t>{112});
  EXPECT_EQ(messages_[0].first, MELD_Q);
  // nMessageHandle, bDBCause, bstrCause, bstrDBMessage, bstrDBModule, eMessageType, ...
  EXPECT_TRUE(messages_[0].second.starts_with("1,True,USER_MESSAGE,Door open,zevo_hmi_sim,2,"))
      << messages_[0].second;
  EXPECT_TRUE(messages_[0].second.ends_with(",1001,0=Door open")) << messages_[0].second;
}

TEST_F(ClientTest, EventsWaitForProcessEventsEvenWhenReadDuringACall) {
  std::string result;
  ASSERT_TRUE(client_.SetInfoOn("$AXIS_ACT", result));
  ASSERT_EQ(sim_.Ctl({"key", "7"}).exit_code, 0);
  ASSERT_EQ(sim_.Ctl({"set", "$AXIS_ACT", "{A1 3.0}"}).exit_code, 0);
  // Calls keep reading the connection; the events they meet are only queued.
  std::string text;
  ASSERT_TRUE(WaitFor([&] {
    EXPECT_TRUE(client_.ShowVar("$AXIS_ACT", text));
    return Contains(text, "A1 3.0");
  }));
  for (int i = 0; i < 5; ++i) client_.ShowVar("$PRO_STATE1", text);
  EXPECT_TRUE(keys_.empty());
  EXPECT_TRUE(infos_.empty());
  ASSERT_TRUE(EventsUntil([&] { return !keys_.empty() && !infos_.empty(); }));
  EXPECT_EQ(keys_, std::vector<int32_t>{7});
}

TEST_F(ClientTest, MissingOwnerHandlersAreSkipped) {
  ZintraOwner empty;
  cZintraComm client(sim_.address());
  EXPECT_FALSE(client.Init(nullptr));
  ASSERT_TRUE(client.Init(&empty));
  ASSERT_TRUE(client.ConnectToZintra("Velmora"));
  std::string result;
  ASSERT_TRUE(client.SetInfoOn("$AXIS_ACT", result));
  ASSERT_EQ(sim_.Ctl({"key", "9"}).exit_code, 0);
  ASSERT_EQ(sim_.Ctl({"message", "x"}).exit_code, 0);
  ASSERT_EQ(sim_.Ctl({"set", "$AXIS_ACT", "{A1 4.0}"}).exit_code, 0);
  // Our fixture's own client gets the key; the bare one processes the same without handlers.
  ASSERT_TRUE(EventsUntil([&] { return !keys_.empty(); }));
  for (int i = 0; i < 20; ++i) client.ProcessEvents();
  EXPECT_GE(client.EventDescriptor(), 0);
}

}  // namespace
}  // namespace velmora::it

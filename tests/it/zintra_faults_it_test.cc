// A controller that is slow, fails, drops the connection or is not there: every call ends in
// time with false and an error text, and the link recovers.
#include <netinet/in.h>
#include <sys/socket.h>

#include "base/app_context.h"
#include "base/strings.h"
#include "controller/controller_link.h"
#include "it/client_fixture.h"
#include "support/test_support.h"

namespace velmora::it {
namespace {

using std::chrono::milliseconds;

TEST_F(ClientTest, DelayBeyondTheTimeOutFailsThatCallOnly) {
  ASSERT_EQ(sim_.Ctl({"fault", "delay", "600"}).exit_code, 0);
  std::string text = "unchanged";
  const auto start = Clock::now();
  EXPECT_FALSE(client_.ShowVar("$PRO_STATE1", text, 150));
  EXPECT_LT(Clock::now() - start, milliseconds(550));
  EXPECT_EQ(text, "unchanged");
  EXPECT_TRUE(Contains(client_.LastErrorText(), "no answer from the controller within 150 ms"))
      << client_.LastErrorText();
  ASSERT_EQ(sim_.Ctl({"fault", "delay", "0"}).exit_code, 0);
  // The late answer to the first call is not taken for the answer to the next.
  EXPECT_EQ(Value("$NUMSTATE"), "FALSE");
  // A delay within the time-out only slows the call down.
  ASSERT_EQ(sim_.Ctl({"fault", "delay", "100"}).exit_code, 0);
  EXPECT_EQ(Value("$PRO_STATE1"), "#P_FREE");
}

TEST_F(ClientTest, InjectedFailuresHitTheNextCalls) {
  ASSERT_EQ(sim_.Ctl({"fault", "fail", "2"}).exit_code, 0);
  std::string dir;
  EXPECT_FALSE(client_.GetRobotDirectory(dir));
  EXPECT_TRUE(Contains(client_.LastErrorText(), "bstrCause=INJECTED_FAULT"));
  EXPECT_TRUE(Contains(client_.LastErrorText(), "nMessage=13"));
  EXPECT_FALSE(client_.SetVar("$NUMSTATE", "TRUE"));
  EXPECT_EQ(Value("$NUMSTATE"), "FALSE");
}

TEST_F(ClientTest, DroppedConnectionFailsTheCallAndTheNextOneReconnects) {
  std::string result;
  ASSERT_TRUE(client_.SetInfoOn("$AXIS_ACT", result));
  const int descriptor = client_.EventDescriptor();
  ASSERT_EQ(sim_.Ctl({"fault", "drop"}).exit_code, 0);
  EXPECT_FALSE(client_.SetVar("$NUMSTATE", "TRUE"));
  EXPECT_TRUE(Contains(client_.LastErrorText(), "closed the connection"))
      << client_.LastErrorText();
  EXPECT_TRUE(client_.ZintraIsConnected());
  EXPECT_EQ(Value("$NUMSTATE"), "FALSE");  // the dropped write never happened
  EXPECT_GE(client_.EventDescriptor(), 0);
  (void)descriptor;
  // The cyclic information was registered again on the new connection.
  ASSERT_EQ(sim_.Ctl({"set", "$AXIS_ACT", "{A1 5.0}"}).exit_code, 0);
  ASSERT_TRUE(EventsUntil([&] { return !infos_.empty(); }));
  EXPECT_TRUE(infos_[0].starts_with("$AXIS_ACT={E6AXIS: A1 5.0"));
}

TEST_F(ClientTest, StoppedControllerFailsEveryCallPromptly) {
  sim_.Stop();
  std::string text;
  const auto start = Clock::now();
  EXPECT_FALSE(client_.ShowVar("$PRO_STATE1", text));
  EXPECT_FALSE(client_.GetVorraxFile("PROG1.SRC", text));
  EXPECT_LT(Clock::now() - start, milliseconds(2500));
  EXPECT_FALSE(client_.LastErrorText().empty());
}

TEST_F(ClientTest, ServerOffReleasesTheLinkForGood) {
  EXPECT_FALSE(client_.ServerOff());
  EXPECT_TRUE(client_.ZintraIsConnected());  // the flag is left as it was
  std::string text;
  EXPECT_FALSE(client_.ShowVar("$PRO_STATE1", text));
  EXPECT_TRUE(Contains(client_.LastErrorText(), "released"));
  EXPECT_EQ(client_.EventDescriptor(), -1);
}

TEST(ZintraWithoutController, NothingListeningMeansDisk) {
  ZintraOwner owner;
  cZintraComm client(test::DeadLoopbackAddress());
  ASSERT_TRUE(client.Init(&owner));
  EXPECT_TRUE(client.ZintraIsConnected());
  const auto start = Clock::now();
  EXPECT_FALSE(client.ConnectToZintra("Velmora"));
  EXPECT_LT(Clock::now() - start, milliseconds(2500));
  EXPECT_FALSE(client.ZintraIsConnected());
  std::string text;
  EXPECT_FALSE(client.ShowVar("$PRO_STATE1", text));

  AppContext context;
  cZintraComm other(test::DeadLoopbackAddress());
  EXPECT_FALSE(AttachController(context, other, &owner));
  EXPECT_EQ(context.zintra, &other);
  EXPECT_FALSE(context.ShowVar("$PRO_STATE1", &text));

  cZintraComm malformed("no-port");
  EXPECT_FALSE(malformed.Init(&owner));
  EXPECT_FALSE(malformed.ZintraIsConnected());
}

TEST_F(ClientTest, AttachedContextReadsUndeclaredPointsFromTheController) {
  AppContext context;
  cZintraComm client(sim_.address());
  ASSERT_TRUE(AttachController(context, client, &owner_));
  std::string value;
  ASSERT_TRUE(context.ShowVar("$PRO_STATE1", &value));
  EXPECT_EQ(value, "$PRO_STATE1=#P_FREE");
  EXPECT_FALSE(context.ShowVar("NO_SUCH_POINT", &value));
  DetachController(context);
  EXPECT_EQ(context.zintra, nullptr);
  EXPECT_FALSE(context.ShowVar("$PRO_STATE1", &value));
}

}  // namespace
}  // namespace velmora::it

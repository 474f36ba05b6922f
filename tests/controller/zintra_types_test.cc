#include "controller/zintra_types.h"

#include <gtest/gtest.h>

#include "controller/base64.h"
#include "controller/protocol.h"

namespace velmora {
namespace {

ServerErrorRecord Sample() {
  ServerErrorRecord r;
  r.nLowTimeStamp = -5;
  r.nHighTimeStamp = 31;
  r.nBiasTimeStamp = -60;
  r.eMessageType = MELD_Q;
  r.nMessage = 1234;
  r.nMessageHandle = 7;
  r.bstrDBModule = "MOD";
  r.bstrCause = "CAUSE";
  r.bDBCause = true;
  r.bstrDBMessage = "text \xe4";
  r.varParams = {"P0", "P1"};
  r.varDBParams = {"D0"};
  return r;
}

TEST(ZintraTypesTest, ErrorTextNamesEveryField) {
  EXPECT_EQ(ErrorRecordText(Sample()),
            "Error: bDBCause=True , bstrCause=CAUSE , bstrDBMessage=text \xe4 , bstrDBModule=MOD , "
            "eMessageType=2 , nBiasTimeStamp=-60 , nHighTimeStamp=31 , nLowTimeStamp=-5 , "
            "nMessage=1234 , nMessageHandle=7 , varParams(0) =P0 , varParams(1) =P1 , "
            "varDBParams(0) =D0");
  EXPECT_EQ(ErrorRecordText(ServerErrorRecord{}),
            "Error: bDBCause=False , bstrCause= , bstrDBMessage= , bstrDBModule= , eMessageType=0 "
            ", nBiasTimeStamp=0 , nHighTimeStamp=0 , nLowTimeStamp=0 , nMessage=0 , "
            "nMessageHandle=0");
}

TEST(ZintraTypesTest, MessageTextJoinsTheFields) {
  EXPECT_EQ(MessageRecordText(Sample()),
            "7,True,CAUSE,text \xe4,MOD,2,-60,31,-5,1234,0=P0,1=P1,0=D0");
}

TEST(ZintraTypesTest, RecordSurvivesTheWire) {
  auto line = wire::Line({{"error", wire::ToJson(Sample())}});
  auto parsed = wire::ParseLine(line.substr(0, line.size() - 1));
  ASSERT_TRUE(parsed.has_value());
  EXPECT_EQ(ErrorRecordText(wire::ErrorRecordFromJson((*parsed)["error"])),
            ErrorRecordText(Sample()));
  // Mistyped fields keep their defaults.
  auto odd = wire::ErrorRecordFromJson({{"nMessage", "12"}, {"bDBCause", 1}, {"varParams", 5}});
  EXPECT_EQ(odd.nMessage, 0);
  EXPECT_FALSE(odd.bDBCause);
  EXPECT_TRUE(odd.varParams.empty());
}

TEST(ZintraTypesTest, Base64) {
  struct Case {
    std::string bytes, text;
  } cases[] = {{"", ""},        {"f", "Zg=="},        {"fo", "Zm8="},
               {"foo", "Zm9v"}, {"foob", "Zm9vYg=="}, {std::string("\x00\xff\r\n", 4), "AP8NCg=="}};
  for (const Case& c : cases) {
    EXPECT_EQ(Base64Encode(c.bytes), c.text);
    EXPECT_EQ(Base64Decode(c.text), c.bytes);
  }
  for (const char* bad : {"Zg=", "Z===", "Zm9v!A==", "Zg==Zg==", "=Zg="})
    EXPECT_FALSE(Base64Decode(bad).has_value()) << bad;
}

TEST(ZintraTypesTest, Addresses) {
  std::string host;
  uint16_t port = 0;
  EXPECT_TRUE(wire::SplitAddress("127.0.0.1:7010", &host, &port));
  EXPECT_EQ(host, "127.0.0.1");
  EXPECT_EQ(port, 7010);
  for (const char* bad : {"127.0.0.1", ":7010", "host:", "host:70000", "host:12x", "host:-1"})
    EXPECT_FALSE(wire::SplitAddress(bad, &host, &port)) << bad;
}

}  // namespace
}  // namespace velmora

// The simulator's side of the wire: malformed and oversized requests, services that were not
// created, and paths that try to leave the cell.
#include "base/strings.h"
#include "controller/base64.h"
#include "controller/line_connection.h"
#include "controller/protocol.h"
#include "it/sim_fixture.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>

namespace velmora::it {
namespace {

using nlohmann::json;
using std::chrono::seconds;
using test::ReadBytes;

class SimProtocolTest : public ::testing::Test {
 protected:
  SimProtocolTest() : cell_(BuildCell(dir_)), sim_(cell_) {}
  void SetUp() override {
    ASSERT_FALSE(sim_.address().empty());
    std::string reason;
    ASSERT_TRUE(link_.Connect(sim_.address(), seconds(5), &reason)) << reason;
    for (const char* service : {"var", "file"}) Call(service, "create", {{"client", "test"}});
  }

  json Call(const std::string& service, const std::string& op, json args) {
    std::string reason;
    auto answer =
        link_.Call({{"service", service}, {"op", op}, {"args", args}}, seconds(5), &reason);
    EXPECT_TRUE(answer.has_value()) << reason;
    return answer.value_or(json::object());
  }
  static std::string Cause(const json& answer) {
    return answer.contains("error") ? answer["error"].value("bstrCause", std::string()) : "";
  }

  // Sends raw bytes on a connection of its own and returns the first answer line.
  std::string Raw(const std::string& bytes) {
    std::string host;
    uint16_t port = 0;
    wire::SplitAddress(sim_.address(), &host, &port);
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(port);
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    timeval limit{5, 0};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    if (connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) return "";
    for (size_t sent = 0; sent < bytes.size();) {
      ssize_t n = send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
      if (n <= 0) break;
      sent += static_cast<size_t>(n);
    }
    std::string line;
    char c;
    while (recv(fd, &c, 1, 0) == 1 && c != '\n') line += c;
    close(fd);
    return line;
  }

  test::TempDir dir_;
  fs::path cell_;
  SimProcess sim_;
  LineConnection link_;
};

TEST_F(SimProtocolTest, MalformedRequestsAreAnsweredWithAnError) {
  struct Case {
    const char* line;
    const char* cause;
  } cases[] = {
      {"this is not json\n", "MALFORMED_REQUEST"},
      {"[1, 2, 3]\n", "MALFORMED_REQUEST"},
      {"{\"service\": \"var\", \"op\": \"show\"}\n", "MALFORMED_REQUEST"},  // no id
      {"{\"id\": 1, \"op\": \"show\"}\n", "MALFORMED_REQUEST"},
      {"{\"id\": 1, \"service\": \"var\", \"op\": \"show\", \"args\": {}}\n",
       "SERVICE_NOT_CREATED"},
      {"{\"id\": 1, \"service\": \"nosuch\", \"op\": \"create\"}\n", "UNKNOWN_OPERATION"},
  };
  for (const Case& c : cases) {
    auto answer = wire::ParseLine(Raw(c.line));
    ASSERT_TRUE(answer.has_value()) << c.line;
    EXPECT_EQ(Cause(*answer), c.cause) << c.line;
  }
  // The connection that sent garbage still serves.
  EXPECT_EQ(
      Cause(wire::ParseLine(Raw("junk\n{\"id\": 2, \"service\": \"ctl\", \"op\": \"state\"}\n"))
                .value_or(json::object())),
      "MALFORMED_REQUEST");
  EXPECT_TRUE(Call("ctl", "state", json::object()).contains("result"));
}

TEST_F(SimProtocolTest, MissingArgumentsAndUnknownOperations) {
  EXPECT_EQ(Cause(Call("var", "show", json::object())), "BAD_ARGUMENT");
  EXPECT_EQ(Cause(Call("var", "show", {{"name", 5}})), "BAD_ARGUMENT");
  EXPECT_EQ(Cause(Call("var", "explode", json::object())), "UNKNOWN_OPERATION");
  EXPECT_EQ(Cause(Call("file", "write", {{"path", "NOXA:\\R1\\X.SRC"}, {"data", "@@@"}})),
            "BAD_ARGUMENT");
  EXPECT_EQ(Cause(Call("ctl", "fault", {{"kind", "delay"}, {"value", -5}})), "BAD_ARGUMENT");
}

TEST_F(SimProtocolTest, OversizedRequestIsRefusedAndTheServerGoesOn) {
  std::string huge = "{\"id\": 1, \"service\": \"var\", \"op\": \"show\", \"args\": {\"name\": \"" +
                     std::string(wire::kMaxLineBytes + 16, 'A') + "\"}}\n";
  auto answer = wire::ParseLine(Raw(huge));
  ASSERT_TRUE(answer.has_value());
  EXPECT_EQ(Cause(*answer), "REQUEST_TOO_LARGE");
  EXPECT_TRUE(Call("ctl", "state", json::object()).contains("result"));
}

TEST_F(SimProtocolTest, PathsStayInsideTheCell) {
  dir_.Write("outside/secret.txt", "secret\r\n");
  fs::create_directory_symlink(dir_.path() / "outside", cell_ / "NOXA/R1/PROGRAM/OUT");
  fs::create_symlink(dir_.path() / "outside/secret.txt", cell_ / "NOXA/R1/PROGRAM/LINK.SRC");
  const char* refused[] = {
      "NOXA:\\R1\\..\\..\\..\\outside\\secret.txt",
      "NOXA:\\R1\\PROGRAM\\OUT\\secret.txt",
      "NOXA:\\R1\\PROGRAM\\LINK.SRC",
      "/etc/passwd",
      "C:\\Windows\\win.ini",
      "NOXA:relative.src",
      "/R1/..",
  };
  const std::string data = Base64Encode("overwritten\r\n");
  for (const char* path : refused) {
    for (const auto& [op, args] :
         std::vector<std::pair<std::string, json>>{{"read", {{"path", path}}},
                                                   {"write", {{"path", path}, {"data", data}}},
                                                   {"delete", {{"path", path}}},
                                                   {"list", {{"path", path}}}}) {
      json answer = Call("file", op, args);
      ASSERT_TRUE(answer.contains("error")) << op << " " << path;
      EXPECT_EQ(answer["error"]["nMessage"], 10) << op << " " << path << " " << answer.dump();
    }
  }
  EXPECT_EQ(ReadBytes(dir_.path() / "outside/secret.txt"), "secret\r\n");
  EXPECT_TRUE(fs::is_symlink(cell_ / "NOXA/R1/PROGRAM/LINK.SRC"));
  // Short names do not follow links, and listings do not show them.
  EXPECT_EQ(Cause(Call("file", "read", {{"path", "/R1/LINK.SRC"}})), "MODULE_NOT_FOUND");
  json list = Call("file", "list", {{"path", "NOXA:\\R1\\PROGRAM\\"}});
  for (const auto& name : list["result"]["names"]) {
    EXPECT_FALSE(Contains(name.get<std::string>(), "LINK")) << name;
    EXPECT_FALSE(Contains(name.get<std::string>(), "secret")) << name;
  }
}

TEST_F(SimProtocolTest, WritesReplaceFilesWhole) {
  const fs::path file = cell_ / "NOXA/R1/PROGRAM/PROG1.SRC";
  json answer =
      Call("file", "write",
           {{"path", "NOXA:\\R1\\PROGRAM\\PROG1.SRC"}, {"data", Base64Encode("new\r\n")}});
  EXPECT_TRUE(answer.contains("result")) << answer.dump();
  EXPECT_EQ(ReadBytes(file), "new\r\n");
  // No working copies are left beside it.
  for (const auto& entry : fs::directory_iterator(file.parent_path()))
    EXPECT_FALSE(entry.path().filename().string().starts_with(".")) << entry.path();
  // A folder that does not exist is an error, not a new folder.
  EXPECT_EQ(Cause(Call("file", "write",
                       {{"path", "NOXA:\\R1\\NEWDIR\\X.SRC"}, {"data", Base64Encode("x")}})),
            "FILE_NOT_FOUND");
  EXPECT_FALSE(fs::exists(cell_ / "NOXA/R1/NEWDIR"));
}

TEST(SimProcessTest, ListensOnLoopbackOnly) {
  test::TempDir dir;
  const fs::path cell = BuildCell(dir);
  ProgramRun run = RunProgram(
      {kSimBinary.string(), "--cell", cell.string(), "--listen", "0.0.0.0:0"}, "", seconds(10));
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_TRUE(Contains(run.err, "loopback")) << run.err;
  run = RunProgram({kSimBinary.string(), "--cell", (dir.path() / "nocell").string()}, "",
                   seconds(10));
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_TRUE(Contains(run.err, "NOXA/R1")) << run.err;
}

TEST(SimProcessTest, ControlInterfaceUsageAndUnreachableSimulator) {
  ProgramRun run = RunProgram({kSimBinary.string(), "ctl", "127.0.0.1:1", "explode"});
  EXPECT_EQ(run.exit_code, 2);
  EXPECT_TRUE(Contains(run.err, "fault delay MS")) << run.err;
  run = RunProgram({kSimBinary.string(), "ctl", "127.0.0.1:1", "state"});
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_TRUE(Contains(run.err, "cannot connect")) << run.err;
}

}  // namespace
}  // namespace velmora::it

#include "controller/line_connection.h"

#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <functional>
#include <thread>

#include <gtest/gtest.h>

#include "base/strings.h"
#include "support/test_support.h"

namespace velmora {
namespace {

using nlohmann::json;
using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

void WriteAll(int fd, const std::string& text) {
  for (size_t sent = 0; sent < text.size();) {
    ssize_t n = send(fd, text.data() + sent, text.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) return;
    sent += static_cast<size_t>(n);
  }
}

// A server on a loopback port that answers each request line of its one connection with what
// the script writes. The script returns false to hang up.
class FakeServer {
 public:
  using Script = std::function<bool(int fd, const json& request)>;
  explicit FakeServer(Script script) : script_(std::move(script)) {
    listen_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(listen_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    listen(listen_, 4);
    socklen_t length = sizeof addr;
    getsockname(listen_, reinterpret_cast<sockaddr*>(&addr), &length);
    port_ = ntohs(addr.sin_port);
    thread_ = std::thread([this] { Serve(); });
  }
  ~FakeServer() {
    stop_ = true;
    thread_.join();
    close(listen_);
  }
  std::string address() const { return "127.0.0.1:" + std::to_string(port_); }

 private:
  bool Wait(int fd) {
    while (!stop_) {
      pollfd p{fd, POLLIN, 0};
      if (poll(&p, 1, 20) > 0) return true;
    }
    return false;
  }
  void Serve() {
    if (!Wait(listen_)) return;
    int fd = accept(listen_, nullptr, nullptr);
    std::string buffer;
    bool open = true;
    while (open && Wait(fd)) {
      char chunk[4096];
      ssize_t n = recv(fd, chunk, sizeof chunk, 0);
      if (n <= 0) break;
      buffer.append(chunk, static_cast<size_t>(n));
      for (size_t lf; open && (lf = buffer.find('\n')) != std::string::npos;) {
        json request = json::parse(buffer.substr(0, lf), nullptr, false);
        buffer.erase(0, lf + 1);
        open = script_(fd, request);
      }
    }
    close(fd);
  }

  Script script_;
  int listen_ = -1;
  uint16_t port_ = 0;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

std::string Answer(const json& request, json result) {
  return json{{"id", request["id"]}, {"result", std::move(result)}}.dump() + "\n";
}

class LineConnectionTest : public ::testing::Test {
 protected:
  void Connect(FakeServer& server) {
    std::string reason;
    ASSERT_TRUE(connection_.Connect(server.address(), milliseconds(2000), &reason)) << reason;
  }
  std::optional<json> Call(const char* op, milliseconds timeout = milliseconds(2000)) {
    return connection_.Call({{"service", "var"}, {"op", op}}, timeout, &error_);
  }
  LineConnection connection_;
  std::string error_;
};

TEST_F(LineConnectionTest, AnswersAreMatchedAndEventsQueued) {
  FakeServer server([](int fd, const json& request) {
    WriteAll(fd, "{\"event\": \"key\", \"code\": 1}\n{\"id\": 999, \"result\": {}}\n");
    WriteAll(fd, Answer(request, {{"op", request["op"]}}));
    return true;
  });
  Connect(server);
  auto answer = Call("first");
  ASSERT_TRUE(answer.has_value()) << error_;
  EXPECT_EQ((*answer)["result"]["op"], "first");
  answer = Call("second");
  ASSERT_TRUE(answer.has_value()) << error_;
  EXPECT_EQ((*answer)["result"]["op"], "second");
  ASSERT_TRUE(connection_.HasEvents());
  EXPECT_EQ(connection_.TakeEvent()["code"], 1);
  EXPECT_EQ(connection_.TakeEvent()["code"], 1);
  EXPECT_FALSE(connection_.HasEvents());
}

TEST_F(LineConnectionTest, AnswerThatIsNotJsonFailsTheCall) {
  FakeServer server([](int fd, const json&) {
    WriteAll(fd, "<html>not json</html>\n");
    return true;
  });
  Connect(server);
  EXPECT_FALSE(Call("show").has_value());
  EXPECT_EQ(error_, "the controller's answer is not a JSON object");
}

TEST_F(LineConnectionTest, ServerClosingInTheMiddleOfACall) {
  FakeServer server([](int fd, const json&) {
    WriteAll(fd, "{\"id\": ");  // half an answer, then gone
    return false;
  });
  Connect(server);
  EXPECT_FALSE(Call("show").has_value());
  EXPECT_EQ(error_, "the controller closed the connection");
  EXPECT_FALSE(connection_.is_open());
  EXPECT_EQ(connection_.native_handle(), -1);
  EXPECT_FALSE(Call("show").has_value());
  EXPECT_EQ(error_, "the controller closed the connection");
}

TEST_F(LineConnectionTest, SilentServerTimesOutAndLateAnswersAreDropped) {
  std::atomic<int> calls{0};
  FakeServer server([&calls](int fd, const json& request) {
    if (calls++ == 0) std::this_thread::sleep_for(milliseconds(300));
    WriteAll(fd, Answer(request, {{"op", request["op"]}}));
    return true;
  });
  Connect(server);
  const auto start = Clock::now();
  EXPECT_FALSE(Call("slow", milliseconds(100)).has_value());
  EXPECT_LT(Clock::now() - start, milliseconds(280));
  EXPECT_EQ(error_, "no answer from the controller within 100 ms");
  auto answer = Call("next");
  ASSERT_TRUE(answer.has_value()) << error_;
  EXPECT_EQ((*answer)["result"]["op"], "next");
}

TEST_F(LineConnectionTest, NobodyListening) {
  std::string reason;
  EXPECT_FALSE(connection_.Connect(test::DeadLoopbackAddress(), milliseconds(1000), &reason));
  EXPECT_TRUE(reason.starts_with("cannot connect to 127.0.0.1:")) << reason;
  EXPECT_FALSE(connection_.Connect("nonsense", milliseconds(1000), &reason));
  EXPECT_TRUE(Contains(reason, "malformed controller address")) << reason;
  EXPECT_FALSE(Call("show").has_value());
  EXPECT_EQ(error_, "not connected to the controller");
}

}  // namespace
}  // namespace velmora

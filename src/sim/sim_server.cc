#include "sim/sim_server.h"

#include <chrono>
#include <deque>
#include <list>

#include <asio.hpp>

#include "controller/protocol.h"
#include "sim/sim_requests.h"

namespace velmora::sim {
namespace {

using asio::ip::tcp;
using nlohmann::json;

constexpr auto kTick = std::chrono::milliseconds(50);
constexpr int kTicksPerInfo = 4;  // cyclic information at most every 200 ms
constexpr size_t kMaxSessions = 64;

json ErrorAnswer(const json& id, const SimError& error) {
  return {{"id", id}, {"error", wire::ToJson(ToRecord(error))}};
}

}  // namespace

struct SimServer::Impl {
  class Session;

  explicit Impl(SimController& c) : controller(c) {}

  void Accept();
  void StartTimer();
  void OnTick();
  void Broadcast(const json& event, bool message_service_only);

  SimController& controller;
  asio::io_context io;
  tcp::acceptor acceptor{io};
  asio::steady_timer timer{io};
  std::list<std::shared_ptr<Session>> sessions;
  FaultState faults;
  int tick = 0;
};

class SimServer::Impl::Session : public std::enable_shared_from_this<Session> {
 public:
  Session(Impl& server, tcp::socket socket)
      : server_(server), socket_(std::move(socket)), delay_(server.io) {}

  void Start() { ReadNext(); }
  bool closed() const { return closed_; }
  SessionState& state() { return state_; }

  void Send(std::string line) {
    if (closed_) return;
    queue_.push_back(std::move(line));
    if (!writing_) WriteNext();
  }

  void Close() {
    if (closed_) return;
    closed_ = true;
    asio::error_code ec;
    socket_.shutdown(tcp::socket::shutdown_both, ec);
    socket_.close(ec);
    delay_.cancel();
  }

 private:
  void ReadNext() {
    if (closed_) return;
    asio::async_read_until(
        socket_, buffer_, '\n',
        [self = shared_from_this()](const asio::error_code& ec, size_t n) { self->OnRead(ec, n); });
  }

  void OnRead(const asio::error_code& ec, size_t n) {
    if (closed_) return;
    if (ec == asio::error::not_found) {
      // A line beyond the limit: say so, then hang up (the rest of it cannot be framed).
      close_after_write_ = true;
      Send(wire::Line(ErrorAnswer(nullptr, MakeError(ErrorNo::kTooLarge, "REQUEST_TOO_LARGE",
                                                     "request line longer than the limit"))));
      return;
    }
    if (ec) {
      Close();
      return;
    }
    auto begin = asio::buffers_begin(buffer_.data());
    std::string line(begin, begin + static_cast<std::ptrdiff_t>(n - 1));
    buffer_.consume(n);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    Handle(line);
  }

  void Handle(const std::string& line) {
    auto request = wire::ParseLine(line);
    json id = nullptr;
    if (request) {
      if (auto it = request->find("id"); it != request->end() && it->is_number_integer()) id = *it;
    }
    auto text = [&](const char* key) {
      auto it = request->find(key);
      return it != request->end() && it->is_string() ? it->get<std::string>() : std::string();
    };
    if (!request || id.is_null() || text("service").empty() || text("op").empty()) {
      Answer(ErrorAnswer(id, MakeError(ErrorNo::kBadRequest, "MALFORMED_REQUEST",
                                       "a request is a JSON object with id, service and op")),
             false);
      return;
    }
    const std::string service = text("service");
    const std::string op = text("op");
    const bool faultable = service != "ctl";
    FaultState& faults = server_.faults;
    if (faultable && faults.drop) {
      faults.drop = false;
      Close();
      return;
    }
    json answer;
    if (faultable && faults.fail > 0) {
      --faults.fail;
      answer = ErrorAnswer(id, MakeError(ErrorNo::kInjectedFault, "INJECTED_FAULT",
                                         "call failed by the control interface", {service, op}));
    } else {
      json args = request->value("args", json::object());
      if (!args.is_object()) args = json::object();
      RequestContext context{
          server_.controller, state_, faults,
          [this](const json& event, bool message_only) { server_.Broadcast(event, message_only); }};
      json result;
      SimError error;
      answer = HandleRequest(context, service, op, args, &result, &error)
                   ? json{{"id", id}, {"result", result}}
                   : ErrorAnswer(id, error);
    }
    Answer(std::move(answer), faultable && faults.delay_ms > 0);
  }

  // Sends the answer (after the injected delay) and reads the next request.
  void Answer(json answer, bool delayed) {
    if (!delayed) {
      Send(wire::Line(answer));
      ReadNext();
      return;
    }
    delay_.expires_after(std::chrono::milliseconds(server_.faults.delay_ms));
    delay_.async_wait(
        [self = shared_from_this(), answer = std::move(answer)](const asio::error_code& ec) {
          if (ec || self->closed_) return;
          self->Send(wire::Line(answer));
          self->ReadNext();
        });
  }

  void WriteNext() {
    if (queue_.empty() || closed_) {
      writing_ = false;
      if (close_after_write_) Close();
      return;
    }
    writing_ = true;
    asio::async_write(socket_, asio::buffer(queue_.front()),
                      [self = shared_from_this()](const asio::error_code& ec, size_t) {
                        if (ec) {
                          self->Close();
                          return;
                        }
                        self->queue_.pop_front();
                        self->WriteNext();
                      });
  }

  Impl& server_;
  tcp::socket socket_;
  asio::streambuf buffer_{wire::kMaxLineBytes};
  asio::steady_timer delay_;
  std::deque<std::string> queue_;
  bool writing_ = false;
  bool closed_ = false;
  bool close_after_write_ = false;
  SessionState state_;
};

void SimServer::Impl::Accept() {
  acceptor.async_accept([this](const asio::error_code& ec, tcp::socket socket) {
    if (ec == asio::error::operation_aborted) return;
    if (!ec) {
      sessions.remove_if([](const auto& s) { return s->closed(); });
      if (sessions.size() < kMaxSessions) {
        asio::error_code ignored;
        socket.set_option(tcp::no_delay(true), ignored);
        auto session = std::make_shared<Session>(*this, std::move(socket));
        sessions.push_back(session);
        session->Start();
      }
    }
    Accept();
  });
}

void SimServer::Impl::Broadcast(const json& event, bool message_service_only) {
  const std::string line = wire::Line(event);
  for (auto& session : sessions) {
    if (session->closed()) continue;
    if (message_service_only && !session->state().services.contains("message")) continue;
    session->Send(line);
  }
}

void SimServer::Impl::StartTimer() {
  timer.expires_after(kTick);
  timer.async_wait([this](const asio::error_code& ec) {
    if (ec) return;
    OnTick();
    StartTimer();
  });
}

void SimServer::Impl::OnTick() {
  controller.Tick(kTick);
  if (++tick % kTicksPerInfo != 0) return;
  sessions.remove_if([](const auto& s) { return s->closed(); });
  for (auto& session : sessions) {
    for (auto& [id, watch] : session->state().infos) {
      std::string value;
      SimError error;
      if (!controller.ShowVar(watch.name, &value, &error) || value == watch.last) continue;
      watch.last = value;
      session->Send(wire::Line({{"event", "info"}, {"nID", id}, {"value", wire::Text(value)}}));
    }
  }
}

SimServer::SimServer(SimController& controller) : impl_(std::make_unique<Impl>(controller)) {}

SimServer::~SimServer() = default;

bool SimServer::Listen(std::string_view address, std::string* error) {
  std::string host;
  uint16_t port = 0;
  if (!wire::SplitAddress(address, &host, &port)) {
    *error = "malformed address \"" + std::string(address) + "\" (expected host:port)";
    return false;
  }
  if (host == "localhost") host = "127.0.0.1";
  asio::error_code ec;
  auto ip = asio::ip::make_address(host, ec);
  if (ec || !ip.is_loopback()) {
    *error = "the simulator listens on a loopback address only, not \"" + host + "\"";
    return false;
  }
  tcp::endpoint endpoint(ip, port);
  impl_->acceptor.open(endpoint.protocol(), ec);
  if (!ec) impl_->acceptor.set_option(tcp::acceptor::reuse_address(true), ec);
  if (!ec) impl_->acceptor.bind(endpoint, ec);
  if (!ec) impl_->acceptor.listen(asio::socket_base::max_listen_connections, ec);
  if (ec) {
    *error = "cannot listen on " + std::string(address) + ": " + ec.message();
    return false;
  }
  return true;
}

std::string SimServer::address() const {
  asio::error_code ec;
  auto endpoint = impl_->acceptor.local_endpoint(ec);
  if (ec) return {};
  return endpoint.address().to_string() + ":" + std::to_string(endpoint.port());
}

void SimServer::Run(bool handle_signals) {
  asio::signal_set signals(impl_->io);
  if (handle_signals) {
    signals.add(SIGINT);
    signals.add(SIGTERM);
    signals.async_wait([this](const asio::error_code& ec, int) {
      if (!ec) impl_->io.stop();
    });
  }
  impl_->Accept();
  impl_->StartTimer();
  impl_->io.run();
  for (auto& session : impl_->sessions) session->Close();
}

void SimServer::Stop() {
  asio::post(impl_->io, [this] { impl_->io.stop(); });
}

}  // namespace velmora::sim

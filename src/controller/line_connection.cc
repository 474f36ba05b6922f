#include "controller/line_connection.h"

#include <asio.hpp>

#include "controller/protocol.h"

namespace velmora {
namespace {

using Clock = std::chrono::steady_clock;
constexpr size_t kMaxQueuedEvents = 10000;

}  // namespace

struct LineConnection::Impl {
  asio::io_context io;
  asio::ip::tcp::socket socket{io};
  asio::streambuf buffer{wire::kMaxLineBytes};
  bool reading = false;
  bool write_done = false;
  bool connect_done = false;

  // Runs handlers until `done` holds or the deadline passes; false on time-out.
  template <typename Done>
  bool RunUntil(Done done, Clock::time_point deadline) {
    while (!done()) {
      auto now = Clock::now();
      if (now >= deadline) return false;
      if (io.stopped()) io.restart();
      io.run_one_for(deadline - now);
    }
    return true;
  }
  void Drain() {
    if (io.stopped()) io.restart();
    io.poll();
  }
};

LineConnection::LineConnection() : impl_(std::make_unique<Impl>()) {}

LineConnection::~LineConnection() {
  Close();
}

bool LineConnection::Connect(const std::string& address, std::chrono::milliseconds timeout,
                             std::string* error) {
  Close();
  broken_.clear();
  std::string host;
  uint16_t port = 0;
  if (!wire::SplitAddress(address, &host, &port)) {
    *error = "malformed controller address \"" + address + "\" (expected host:port)";
    return false;
  }
  asio::error_code ec;
  asio::ip::tcp::resolver resolver(impl_->io);
  auto endpoints = resolver.resolve(host, std::to_string(port), ec);
  if (ec) {
    *error = "cannot resolve " + host + ": " + ec.message();
    return false;
  }
  asio::error_code connect_ec;
  impl_->connect_done = false;
  asio::async_connect(impl_->socket, endpoints,
                      [this, &connect_ec](const asio::error_code& e, const auto&) {
                        connect_ec = e;
                        impl_->connect_done = true;
                      });
  bool in_time = impl_->RunUntil([this] { return impl_->connect_done; }, Clock::now() + timeout);
  if (!in_time) {
    impl_->socket.close(ec);
    impl_->RunUntil([this] { return impl_->connect_done; }, Clock::now() + timeout);
    *error = "no connection to " + address + " within " + std::to_string(timeout.count()) + " ms";
    return false;
  }
  if (connect_ec) {
    impl_->socket.close(ec);
    *error = "cannot connect to " + address + ": " + connect_ec.message();
    return false;
  }
  impl_->socket.set_option(asio::ip::tcp::no_delay(true), ec);
  impl_->buffer.consume(impl_->buffer.size());
  ArmRead();
  return true;
}

void LineConnection::Close() {
  asio::error_code ec;
  if (impl_->socket.is_open()) {
    impl_->socket.shutdown(asio::ip::tcp::socket::shutdown_both, ec);
    impl_->socket.close(ec);
  }
  impl_->Drain();  // lets aborted handlers finish while their state still exists
  impl_->reading = false;
  waiting_for_ = 0;
}

bool LineConnection::is_open() const {
  return impl_->socket.is_open();
}

int LineConnection::native_handle() const {
  return impl_->socket.is_open() ? static_cast<int>(impl_->socket.native_handle()) : -1;
}

void LineConnection::Fail(std::string reason) {
  if (broken_.empty()) broken_ = std::move(reason);
  asio::error_code ec;
  impl_->socket.close(ec);
}

void LineConnection::ArmRead() {
  if (impl_->reading || !impl_->socket.is_open()) return;
  impl_->reading = true;
  asio::async_read_until(impl_->socket, impl_->buffer, '\n',
                         [this](const asio::error_code& ec, size_t n) {
                           impl_->reading = false;
                           if (ec) {
                             if (ec == asio::error::operation_aborted) return;
                             if (ec == asio::error::eof) {
                               Fail("the controller closed the connection");
                             } else if (ec == asio::error::not_found) {
                               Fail("the controller sent a line longer than the limit");
                             } else {
                               Fail("connection to the controller lost: " + ec.message());
                             }
                             return;
                           }
                           auto begin = asio::buffers_begin(impl_->buffer.data());
                           std::string line(begin, begin + static_cast<std::ptrdiff_t>(n - 1));
                           impl_->buffer.consume(n);
                           if (!line.empty() && line.back() == '\r') line.pop_back();
                           OnLine(std::move(line));
                           ArmRead();
                         });
}

void LineConnection::OnLine(std::string line) {
  auto object = wire::ParseLine(line);
  if (!object) {
    if (waiting_for_ != 0) malformed_answer_ = true;
    return;
  }
  auto id = object->find("id");
  if (id != object->end()) {
    if (id->is_number_integer() && id->get<int64_t>() == waiting_for_ && waiting_for_ != 0) {
      answer_ = std::move(*object);
      waiting_for_ = 0;
    }
    return;  // a late answer to a call that timed out
  }
  if (object->contains("event")) {
    if (events_.size() >= kMaxQueuedEvents) events_.pop_front();
    events_.push_back(std::move(*object));
  }
}

std::optional<nlohmann::json> LineConnection::Call(nlohmann::json request,
                                                   std::chrono::milliseconds timeout,
                                                   std::string* error) {
  if (!is_open()) {
    *error = broken_.empty() ? "not connected to the controller" : broken_;
    return std::nullopt;
  }
  const auto deadline = Clock::now() + timeout;
  const int64_t id = next_id_++;
  request["id"] = id;
  auto line = std::make_shared<std::string>(wire::Line(request));
  waiting_for_ = id;
  answer_.reset();
  malformed_answer_ = false;
  impl_->write_done = false;
  asio::async_write(impl_->socket, asio::buffer(*line),
                    [this, line](const asio::error_code& ec, size_t) {
                      if (ec) {
                        if (ec != asio::error::operation_aborted)
                          Fail("cannot send to the controller: " + ec.message());
                        return;
                      }
                      impl_->write_done = true;
                    });
  ArmRead();
  bool sent = impl_->RunUntil([this] { return impl_->write_done || !broken_.empty(); }, deadline);
  if (!sent) {
    Fail("the controller did not take the request within " + std::to_string(timeout.count()) +
         " ms");
    impl_->Drain();
  }
  if (sent && broken_.empty()) {
    impl_->RunUntil([this] { return answer_.has_value() || malformed_answer_ || !broken_.empty(); },
                    deadline);
  }
  waiting_for_ = 0;
  if (answer_) {
    auto answer = std::move(*answer_);
    answer_.reset();
    return answer;
  }
  if (malformed_answer_) {
    *error = "the controller's answer is not a JSON object";
  } else if (!broken_.empty()) {
    *error = broken_;
  } else {
    *error = "no answer from the controller within " + std::to_string(timeout.count()) + " ms";
  }
  return std::nullopt;
}

void LineConnection::Poll() {
  if (!is_open()) return;
  ArmRead();
  impl_->Drain();
}

nlohmann::json LineConnection::TakeEvent() {
  if (events_.empty()) return nullptr;
  auto event = std::move(events_.front());
  events_.pop_front();
  return event;
}

}  // namespace velmora

#pragma once
// A TCP connection that carries one JSON object per line, with every wait bounded by a
// time-out. Answers are matched to requests by id; objects without an id (events) that arrive
// meanwhile are queued until the owner takes them.
#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

namespace velmora {

class LineConnection {
 public:
  LineConnection();
  ~LineConnection();
  LineConnection(const LineConnection&) = delete;
  LineConnection& operator=(const LineConnection&) = delete;

  // Connects to "host:port". False with a reason when the address is malformed or nothing
  // answers within the time-out.
  bool Connect(const std::string& address, std::chrono::milliseconds timeout, std::string* error);
  void Close();
  bool is_open() const;

  // Sends the request (an "id" is added) and waits for its answer. nullopt with a reason when
  // the time-out passes, the connection breaks, or the answer is not a JSON object. After a
  // time-out the connection stays open; a late answer is recognised by its id and dropped.
  std::optional<nlohmann::json> Call(nlohmann::json request, std::chrono::milliseconds timeout,
                                     std::string* error);

  // Reads whatever has arrived, without waiting, and queues the events in it.
  void Poll();
  bool HasEvents() const { return !events_.empty(); }
  nlohmann::json TakeEvent();

  // The socket descriptor, for a GUI that wants to be woken when something arrives; -1 when
  // closed.
  int native_handle() const;

 private:
  struct Impl;
  void ArmRead();
  void OnLine(std::string line);
  void Fail(std::string reason);

  std::unique_ptr<Impl> impl_;
  std::deque<nlohmann::json> events_;
  int64_t next_id_ = 1;
  int64_t waiting_for_ = 0;
  std::optional<nlohmann::json> answer_;
  std::string broken_;  // why the connection closed; empty while it is fine
  bool malformed_answer_ = false;
};

}  // namespace velmora

#pragma once
// The simulator's network side: accepts editor connections on a loopback address, answers
// their requests (controller/protocol.h) through the SimController, pushes cyclic information
// at most every 200 ms, message-window messages and pendant keys, and plays the faults the
// control interface injects. Single-threaded: everything runs in Run().
#include <memory>
#include <string>
#include <string_view>

#include "sim/sim_controller.h"

namespace velmora::sim {

class SimServer {
 public:
  explicit SimServer(SimController& controller);
  ~SimServer();
  SimServer(const SimServer&) = delete;
  SimServer& operator=(const SimServer&) = delete;

  // "host:port" with a loopback host; port 0 picks a free one. False with the reason otherwise.
  bool Listen(std::string_view address, std::string* error);
  // The address actually listened on, "127.0.0.1:PORT".
  std::string address() const;
  // Serves until Stop() (or SIGINT/SIGTERM when handle_signals).
  void Run(bool handle_signals = false);
  // Safe from any thread.
  void Stop();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace velmora::sim

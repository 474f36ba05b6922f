#pragma once
// How long passes report progress and keep the operator's keys alive. The window moves its
// progress bar and processes pending events; the CLI does nothing.
#include <functional>

namespace velmora {

struct Progress {
  std::function<void(int percent)> show;
  std::function<void()> process_events;
  void Show(int percent) const {
    if (show) show(percent);
  }
  void ProcessEvents() const {
    if (process_events) process_events();
  }
};

}  // namespace velmora

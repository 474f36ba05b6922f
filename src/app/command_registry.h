#pragma once
// The window's commands by their stable names ("SaveProgram", "CancelManualShift"). Menu items
// and soft keys start commands through here; a command family plugs its entry points in when
// it is built, and a name without a command does nothing.
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace velmora {

class CommandRegistry {
 public:
  void Register(std::string name, std::function<void()> run) {
    commands_[std::move(name)] = std::move(run);
  }
  bool Has(std::string_view name) const { return commands_.find(name) != commands_.end(); }
  // Runs the command; false when none is registered under the name.
  bool Run(std::string_view name) const {
    auto it = commands_.find(name);
    if (it == commands_.end() || !it->second) return false;
    it->second();
    return true;
  }

 private:
  std::map<std::string, std::function<void()>, std::less<>> commands_;
};

}  // namespace velmora

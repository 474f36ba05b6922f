#pragma once
// Which command a soft key starts: the first row of its key whose condition holds on the mode
// flags. A key without a matching row does nothing.
#include "app/app_state.h"
#include "app/command_registry.h"

namespace velmora {

struct SoftKeyContext {
  ModeFlags& flags;
  const CommandRegistry& commands;
  bool file_dialog_visible = false;
  bool soft_key3_enabled = false;
  bool soft_key4_enabled = false;
};

// Runs the routed command of soft key 0..6; false when no row applies.
bool RouteSoftKey(int key, SoftKeyContext& context);

}  // namespace velmora

#include "controller/controller_link.h"

namespace velmora {

bool AttachController(AppContext& context, cZintraComm& client, ZintraOwner* owner) {
  context.zintra = &client;
  context.show_var = nullptr;
  if (!client.Init(owner)) return false;
  if (!client.ConnectToZintra("Velmora", 0)) return false;
  context.show_var = [&client](std::string_view name, std::string* value) {
    std::string text;
    if (!client.ZintraIsConnected() || !client.ShowVar(name, text, 0)) return false;
    *value = std::move(text);
    return true;
  };
  return true;
}

void DetachController(AppContext& context) {
  context.show_var = nullptr;
  context.zintra = nullptr;
}

}  // namespace velmora

#pragma once
// Setting up the program's one controller link for a front end.
#include "base/app_context.h"
#include "controller/zintra_comm.h"

namespace velmora {

// Init with `owner`, then ConnectToZintra("Velmora"). The context's `zintra` pointer always
// leads to the client (callers test ZintraIsConnected); while connected, its show_var hook
// answers with the client's ShowVar text (name "=" value). True when connected.
bool AttachController(AppContext& context, cZintraComm& client, ZintraOwner* owner);

// Unplugs the client from the context (before the client goes away).
void DetachController(AppContext& context);

}  // namespace velmora

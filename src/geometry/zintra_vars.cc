#include "geometry/zintra_vars.h"

#include "base/app_context.h"
#include "controller/zintra_comm.h"

namespace velmora {

ZintraVars::ZintraVars(const AppContext& context) : client_(context.zintra) {}

bool ZintraVars::ShowVar(std::string_view name, std::string& answer) {
  return client_ && client_->ZintraIsConnected() && client_->ShowVar(name, answer, 0);
}

bool ZintraVars::SetVar(std::string_view name, const std::string& value) {
  return client_ && client_->ZintraIsConnected() && client_->SetVar(name, value);
}

}  // namespace velmora

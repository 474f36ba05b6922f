#pragma once
// The controller client as the point transformations' VarAccess.
#include "geometry/var_access.h"

namespace velmora {

struct AppContext;
class cZintraComm;

class ZintraVars : public VarAccess {
 public:
  // `client` may be null; a client that is not connected answers nothing.
  explicit ZintraVars(cZintraComm* client) : client_(client) {}
  // The context's client (AppContext::zintra).
  explicit ZintraVars(const AppContext& context);

  bool ShowVar(std::string_view name, std::string& answer) override;
  bool SetVar(std::string_view name, const std::string& value) override;

 private:
  cZintraComm* client_;
};

}  // namespace velmora

#pragma once
// The controller's variables as the point transformations use them: read a variable (or have
// an expression evaluated, whose text is sent as the name) and write one. The controller client
// answers through ZintraVars; tests plug in a table of their own.
#include <string>
#include <string_view>

namespace velmora {

class VarAccess {
 public:
  virtual ~VarAccess() = default;
  // answer := name "=" value, as the controller reports it; false when the controller is not
  // reachable or does not know the name.
  virtual bool ShowVar(std::string_view name, std::string& answer) = 0;
  virtual bool SetVar(std::string_view name, const std::string& value) = 0;
};

// The text of a controller answer after its first "=" (the value alone); the whole answer when
// it has none.
std::string AnswerValue(std::string_view answer);

}  // namespace velmora

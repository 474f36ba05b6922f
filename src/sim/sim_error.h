#pragma once
// Errors of the simulated controller. Each becomes the server error record of the failed call:
// nMessage the number below, bstrCause the short cause, bstrDBMessage the text, varParams the
// names involved.
#include <cstdint>
#include <string>
#include <vector>

#include "controller/zintra_types.h"

namespace velmora::sim {

enum class ErrorNo : int32_t {
  kBadRequest = 1,  // malformed request, unknown service or operation
  kUnknownVariable = 2,
  kTypeMismatch = 3,  // the value does not fit the variable
  kWriteProtected = 4,
  kNotAssigned = 5,  // declared but without a value
  kIndexOutOfRange = 6,
  kSyntax = 7,       // expression or value text not understood
  kUnreachable = 8,  // no axis position for the pose within the limits
  kFileNotFound = 9,
  kPathRefused = 10,  // outside the cell, "..", absolute or a link out
  kTooLarge = 11,
  kInterpreter = 12,  // program running or selected, nothing to select
  kInjectedFault = 13,
  kModuleNotFound = 14,
  kWriteFailed = 15,
};

struct SimError {
  ErrorNo number = ErrorNo::kBadRequest;
  std::string cause;
  std::string message;
  std::vector<std::string> params;
};

inline SimError MakeError(ErrorNo number, std::string cause, std::string message,
                          std::vector<std::string> params = {}) {
  return {number, std::move(cause), std::move(message), std::move(params)};
}

// The record for the wire, stamped with the current time.
ServerErrorRecord ToRecord(const SimError& error);
// A message-window record with the given handle.
ServerErrorRecord MessageRecord(int32_t number, int32_t handle, const std::string& text);

}  // namespace velmora::sim

#pragma once
// "zevo_hmi_sim ctl ADDR VERB ARGS...": the control interface for people and tests.
//
//   set NAME VALUE      write any variable (also the write-protected ones)
//   show NAME           read a variable or expression
//   key CODE            push a pendant key to the connected editors
//   message TEXT        put a message into the message window
//   fault delay MS      delay every answer (0 ends it)
//   fault fail N        fail the next N calls
//   fault drop          close the connection of the next call
//   fault clear         end every fault
//   run                 start the selected robot program (the axes move through its points)
//   state               interpreter levels, messages, faults as JSON
#include <iosfwd>
#include <string>
#include <vector>

namespace velmora::sim {

// Sends one control request to the simulator at `address`. The answer goes to `out` (the
// value for show, JSON for state, "ok" otherwise), a failure to `err`. Returns the exit code:
// 0 done, 1 refused or no answer, 2 usage.
int RunCtlCommand(const std::string& address, const std::vector<std::string>& words,
                  std::ostream& out, std::ostream& err);

}  // namespace velmora::sim

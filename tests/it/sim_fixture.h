#pragma once
// Integration-test support: a cell folder, the real zevo_hmi_sim started on a free loopback
// port, and child programs run with bounded waits.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "support/test_support.h"

extern char** environ;

namespace velmora::it {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

inline const fs::path kSimBinary = VELMORA_BINARY_DIR "/src/sim/zevo_hmi_sim";
inline const fs::path kCliBinary = VELMORA_BINARY_DIR "/src/cli/velmora-cli";

struct ProgramRun {
  int exit_code = -1;
  std::string out, err;
};

// Runs a program with `input` on standard input; kills it after `timeout`.
inline ProgramRun RunProgram(const std::vector<std::string>& argv, const std::string& input = "",
                             std::chrono::milliseconds timeout = std::chrono::seconds(20),
                             const std::vector<std::string>& extra_env = {}) {
  int in[2], out[2], err[2];
  ProgramRun run;
  if (pipe2(in, O_CLOEXEC) || pipe2(out, O_CLOEXEC) || pipe2(err, O_CLOEXEC)) return run;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in[0], 0);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawn_file_actions_adddup2(&actions, err[1], 2);
  std::vector<char*> args;
  for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  std::vector<std::string> env_strings = extra_env;
  for (char** e = environ; *e; ++e) env_strings.push_back(*e);
  std::vector<char*> env;
  for (auto& e : env_strings) env.push_back(e.data());
  env.push_back(nullptr);
  pid_t pid = -1;
  int spawned = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), env.data());
  posix_spawn_file_actions_destroy(&actions);
  close(in[0]);
  close(out[1]);
  close(err[1]);
  if (spawned != 0) {
    close(in[1]);
    close(out[0]);
    close(err[0]);
    return run;
  }
  signal(SIGPIPE, SIG_IGN);
  size_t written = 0;
  if (input.empty()) {
    close(in[1]);
    in[1] = -1;
  }
  const auto deadline = Clock::now() + timeout;
  bool out_open = true, err_open = true;
  while ((out_open || err_open) && Clock::now() < deadline) {
    pollfd fds[3] = {{out_open ? out[0] : -1, POLLIN, 0},
                     {err_open ? err[0] : -1, POLLIN, 0},
                     {in[1], POLLOUT, 0}};
    poll(fds, 3, 50);
    char buffer[65536];
    if (fds[0].revents) {
      ssize_t n = read(out[0], buffer, sizeof buffer);
      if (n > 0)
        run.out.append(buffer, static_cast<size_t>(n));
      else
        out_open = false;
    }
    if (fds[1].revents) {
      ssize_t n = read(err[0], buffer, sizeof buffer);
      if (n > 0)
        run.err.append(buffer, static_cast<size_t>(n));
      else
        err_open = false;
    }
    if (in[1] >= 0 && fds[2].revents) {
      ssize_t n = write(in[1], input.data() + written, input.size() - written);
      if (n > 0) written += static_cast<size_t>(n);
      if (n < 0 || written == input.size()) {
        close(in[1]);
        in[1] = -1;
      }
    }
  }
  if (in[1] >= 0) close(in[1]);
  close(out[0]);
  close(err[0]);
  int status = 0;
  if (out_open || err_open) kill(pid, SIGKILL);
  waitpid(pid, &status, 0);
  run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

// Polls `done` every few milliseconds until it holds or the time is up.
template <typename Done>
bool WaitFor(Done done, std::chrono::milliseconds timeout = std::chrono::seconds(5)) {
  const auto deadline = Clock::now() + timeout;
  while (!done()) {
    if (Clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

// The simulator on a free loopback port; stopped (and reaped) when the object goes.
class SimProcess {
 public:
  explicit SimProcess(const fs::path& cell) {
    int out[2];
    if (pipe2(out, O_CLOEXEC)) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    std::vector<std::string> argv = {kSimBinary.string(), "--cell", cell.string(), "--listen",
                                     "127.0.0.1:0"};
    std::vector<char*> args;
    for (auto& a : argv) args.push_back(a.data());
    args.push_back(nullptr);
    int spawned = posix_spawn(&pid_, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    out_ = out[0];
    if (spawned != 0) {
      pid_ = -1;
      return;
    }
    // The first line names the address.
    std::string line;
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    while (line.find('\n') == std::string::npos && Clock::now() < deadline) {
      pollfd fd{out_, POLLIN, 0};
      if (poll(&fd, 1, 50) <= 0) continue;
      char buffer[256];
      ssize_t n = read(out_, buffer, sizeof buffer);
      if (n <= 0) break;
      line.append(buffer, static_cast<size_t>(n));
    }
    const std::string prefix = "listening ";
    if (line.starts_with(prefix) && line.find('\n') != std::string::npos)
      address_ = line.substr(prefix.size(), line.find('\n') - prefix.size());
  }
  ~SimProcess() { Stop(); }
  // Ends the simulator (SIGTERM, SIGKILL when it does not go) and reaps it.
  void Stop() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      int status = 0;
      if (!WaitFor([&] { return waitpid(pid_, &status, WNOHANG) == pid_; })) {
        kill(pid_, SIGKILL);
        waitpid(pid_, &status, 0);
      }
      pid_ = -1;
    }
    if (out_ >= 0) close(out_);
    out_ = -1;
  }
  SimProcess(const SimProcess&) = delete;
  SimProcess& operator=(const SimProcess&) = delete;

  const std::string& address() const { return address_; }
  bool running() const { return pid_ > 0 && kill(pid_, 0) == 0; }
  pid_t pid() const { return pid_; }

  // "zevo_hmi_sim ctl ADDRESS words..."
  ProgramRun Ctl(std::vector<std::string> words) const {
    words.insert(words.begin(), {kSimBinary.string(), "ctl", address_});
    return RunProgram(words);
  }

 private:
  pid_t pid_ = -1;
  int out_ = -1;
  std::string address_;
};

// A cell for the tests: programs in PROGRAM (one in lower case, a macro without data file),
// programs in the System, MADA and TP folders that the listing leaves out and in a USER folder
// that it keeps, the global data list with tool and base tables, machine data with the axis
// limits, and the control-level program.
inline fs::path BuildCell(const test::TempDir& dir) {
  using test::Crlf;
  dir.Write("cell/NOXA/R1/PROGRAM/PROG1.SRC", Crlf("DEF PROG1()\nPTP XP1\nEND\n"));
  dir.Write("cell/NOXA/R1/PROGRAM/PROG1.DAT",
            Crlf("DEFDAT PROG1\n"
                 "DECL E6POS XP1={X 1500.0,Y 100.0,Z 1400.0,A 0.0,B 90.0,C 0.0,S 2,T 2,"
                 "E1 0.0,E2 0.0,E3 0.0,E4 0.0,E5 0.0,E6 0.0}\n"
                 "DECL E6AXIS XHOME={A1 0.0,A2 -90.0,A3 90.0,A4 0.0,A5 30.0,A6 0.0}\n"
                 "DECL FDAT FP1={TOOL_NO 1,BASE_NO 1,IPO_FRAME #BASE,POINT2[] \" \"}\n"
                 "ENDDAT\n"));
  dir.Write("cell/NOXA/R1/PROGRAM/Prog2.src", Crlf("DEF Prog2()\nEND\n"));
  dir.Write("cell/NOXA/R1/PROGRAM/Prog2.dat", Crlf("DEFDAT Prog2\nENDDAT\n"));
  dir.Write("cell/NOXA/R1/PROGRAM/MAKRO7.SRC", Crlf("DEF MAKRO7()\nEND\n"));
  dir.Write("cell/NOXA/R1/USER/USERPROG.SRC", Crlf("DEF USERPROG()\nEND\n"));
  dir.Write("cell/NOXA/R1/TP/TPPROG.SRC", Crlf("DEF TPPROG()\nEND\n"));
  dir.Write("cell/NOXA/R1/MADA/MADAPROG.SRC", Crlf("DEF MADAPROG()\nEND\n"));
  dir.Write("cell/NOXA/R1/System/SPS.SUB", Crlf("DEF SPS()\nEND\n"));
  dir.Write("cell/NOXA/R1/System/$CONFIG.DAT",
            Crlf("DEFDAT $CONFIG PUBLIC\n"
                 "DECL GLOBAL INT MAX_TOOL=16\n"
                 "DECL GLOBAL INT MAX_BASE=16\n"
                 "DECL GLOBAL FRAME TOOL_DATA[16]\n"
                 "TOOL_DATA[1]={X 10.0,Y 0.0,Z 150.0,A 0.0,B 0.0,C 0.0}\n"
                 "DECL GLOBAL IPO_MODE TOOL_TYPE[16]\n"
                 "TOOL_TYPE[1]=#BASE\n"
                 "DECL GLOBAL FRAME BASE_DATA[16]\n"
                 "BASE_DATA[1]={X 500.0,Y -200.0,Z 300.0,A 30.0,B 0.0,C 0.0}\n"
                 "BASE_DATA[2]={X 800.0,Y 100.0,Z 900.0,A 0.0,B 0.0,C 0.0}\n"
                 "DECL GLOBAL IPO_MODE BASE_TYPE[16]\n"
                 "BASE_TYPE[1]=#BASE\n"
                 "ENDDAT\n"));
  dir.Write("cell/NOXA/R1/MADA/$MACHINE.DAT",
            Crlf("DEFDAT $MACHINE PUBLIC\n"
                 "DECL ARM_GEOMETRY $ARM_GEOMETRY={A1 350.0,A2 -41.0,B 0.0,C1 675.0,C2 1150.0,"
                 "C3 1200.0,C4 215.0}\n"
                 "DECL REAL $SOFTN_END[6]\n"
                 "$SOFTN_END[1]=-170.0\n$SOFTN_END[2]=-190.0\n$SOFTN_END[3]=-120.0\n"
                 "$SOFTN_END[4]=-185.0\n$SOFTN_END[5]=-120.0\n$SOFTN_END[6]=-350.0\n"
                 "DECL REAL $SOFTP_END[6]\n"
                 "$SOFTP_END[1]=170.0\n$SOFTP_END[2]=45.0\n$SOFTP_END[3]=156.0\n"
                 "$SOFTP_END[4]=185.0\n$SOFTP_END[5]=120.0\n$SOFTP_END[6]=350.0\n"
                 "ENDDAT\n"));
  return dir.path() / "cell";
}

inline fs::path ProgramFolder(const fs::path& cell) {
  return cell / "NOXA/R1/PROGRAM";
}

}  // namespace velmora::it

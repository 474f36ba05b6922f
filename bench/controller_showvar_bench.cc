// Round trip of ShowVar on loopback: the client against the simulator's server, in one
// process (the server on its own thread). Target: under 100 microseconds median.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

#include "controller/zintra_comm.h"
#include "sim/sim_controller.h"
#include "sim/sim_server.h"

namespace {

namespace fs = std::filesystem;

void WriteFile(const fs::path& file, const std::string& text) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << text;
}

// A cell with one program, a simulator serving it, and a connected client.
class Loopback {
 public:
  Loopback() {
    std::random_device random;
    cell_ = fs::temp_directory_path() / ("velmora-bench-" + std::to_string(random()));
    WriteFile(cell_ / "NOXA/R1/PROGRAM/BENCH.SRC", "DEF BENCH()\r\nEND\r\n");
    WriteFile(cell_ / "NOXA/R1/PROGRAM/BENCH.DAT",
              "DEFDAT BENCH\r\nDECL E6POS XP1={X 1500.0,Y 100.0,Z 1400.0,A 0.0,B 90.0,C 0.0,"
              "S 2,T 2,E1 0.0,E2 0.0,E3 0.0,E4 0.0,E5 0.0,E6 0.0}\r\nENDDAT\r\n");
    std::string reason;
    controller_ = std::make_unique<velmora::sim::SimController>(cell_);
    controller_->Start(&reason);
    server_ = std::make_unique<velmora::sim::SimServer>(*controller_);
    server_->Listen("127.0.0.1:0", &reason);
    thread_ = std::thread([this] { server_->Run(); });
    client_ = std::make_unique<velmora::cZintraComm>(server_->address());
    client_->Init(&owner_);
    client_->ConnectToZintra("Velmora");
    client_->SetVar("$DATAPATH[]", "\"/R1/BENCH.SRC\"");
  }
  ~Loopback() {
    client_.reset();
    server_->Stop();
    thread_.join();
    std::error_code ec;
    fs::remove_all(cell_, ec);
  }
  velmora::cZintraComm& client() { return *client_; }

 private:
  fs::path cell_;
  std::unique_ptr<velmora::sim::SimController> controller_;
  std::unique_ptr<velmora::sim::SimServer> server_;
  std::thread thread_;
  velmora::ZintraOwner owner_;
  std::unique_ptr<velmora::cZintraComm> client_;
};

void ShowVarRoundTrip(benchmark::State& state, const char* name) {
  Loopback loopback;
  std::string value;
  for (auto _ : state) {
    if (!loopback.client().ShowVar(name, value)) {
      state.SkipWithError("ShowVar failed");
      break;
    }
    benchmark::DoNotOptimize(value);
  }
}

void BM_ShowVarSystemVariable(benchmark::State& state) {
  ShowVarRoundTrip(state, "$PRO_STATE1");
}
void BM_ShowVarDataListPoint(benchmark::State& state) {
  ShowVarRoundTrip(state, "XP1");
}
void BM_ShowVarForward(benchmark::State& state) {
  ShowVarRoundTrip(state, "FORWARD ({A1 10.0,A2 -80.0,A3 100.0,A4 20.0,A5 35.0,A6 -40.0},0)");
}

BENCHMARK(BM_ShowVarSystemVariable)->Repetitions(5)->ReportAggregatesOnly(true)->UseRealTime();
BENCHMARK(BM_ShowVarDataListPoint)->Repetitions(5)->ReportAggregatesOnly(true)->UseRealTime();
BENCHMARK(BM_ShowVarForward)->Repetitions(5)->ReportAggregatesOnly(true)->UseRealTime();

}  // namespace

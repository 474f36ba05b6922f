// The edit commands on a program near the line table's limit: cleaning a data file in which
// every declaration is used (each name searched in the whole source), and pasting the largest
// clipboard in path order and reversed (new names, declarations appended).
#include <benchmark/benchmark.h>

#include <string>

#include "base/app_context.h"
#include "commands/edit/clean_file.h"
#include "commands/edit/clipboard_commands.h"
#include "program/loader.h"
#include "program/program.h"

namespace velmora {
namespace {

constexpr int kFolds = 2800;  // room for one more clipboard in the table

struct LargeProgram {
  std::string src = "DEF large( )\r\n";
  std::string dat = "DEFDAT  LARGE\r\n";
  LargeProgram() {
    for (int i = 1; i <= kFolds; ++i) {
      const std::string n = std::to_string(i);
      src += ";FOLD LIN P" + n + " CONT Vel=0.5 m/s CPDAT" + n +
             " Tool[1] Base[1];%{PE}%R 3.2.24,%MZEVOTPBASIS,%CMOVE,%VLIN,%P 1:LIN, 2:P" + n +
             ", 3:C_DIS, 5:0.5, 6:CPDAT" + n + "\r\nLDAT_ACT=LCPDAT" + n + "\r\nFDAT_ACT=FP" + n +
             "\r\nLIN XP" + n + " C_DIS\r\n;ENDFOLD\r\n";
      dat += "DECL E6POS XP" + n + "={X " + std::to_string(i) +
             ",Y 0,Z 300,A 0,B 90,C 180,S 2,T 35,E1 0,E2 0,E3 0,E4 0,E5 0,E6 0}\r\n";
      dat += "DECL FDAT FP" + n + "={TOOL_NO 1,BASE_NO 1,IPO_FRAME #BASE}\r\n";
      dat += "DECL LDAT LCPDAT" + n + "={VEL 0.5,ACC 100.0,APO_DIST 10.0}\r\n";
      dat += "DECL E6POS MP" + n + "={X " + std::to_string(i) + ",Y 0,Z 300,A 0,B 90,C 180}\r\n";
    }
    src += "END\r\n";
    dat += "ENDDAT\r\n";
  }
};

const LargeProgram& Large() {
  static const LargeProgram program;
  return program;
}

void BM_CleanFileNothingUnused(benchmark::State& state) {
  AppContext context;
  Program program(context);
  LoadProgramIntoView(program, Large().dat, Large().src);
  for (auto _ : state) benchmark::DoNotOptimize(CleanFile(program));
  state.counters["declarations"] = 3 * kFolds;
}
BENCHMARK(BM_CleanFileNothingUnused)->Unit(benchmark::kMillisecond);

void BM_PasteLargestClipboard(benchmark::State& state) {
  const bool reversed = state.range(0) != 0;
  AppContext context;
  Program program(context);
  Clipboard clipboard;
  for (auto _ : state) {
    state.PauseTiming();
    LoadProgramIntoView(program, Large().dat, Large().src);
    program.BlockStart = 2, program.BlockEnd = 2 + kMaxClipboardRecords;
    CopySections(program, clipboard, true);
    program.CurrentLine = kFolds;
    state.ResumeTiming();
    benchmark::DoNotOptimize(reversed ? ReversePath(program, clipboard, false)
                                      : PasteSections(program, clipboard));
  }
}
BENCHMARK(BM_PasteLargestClipboard)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora

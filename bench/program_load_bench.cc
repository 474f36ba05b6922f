// Loading and saving the largest program a load accepts: 2999 motion folds, 3000 points with
// master declarations, frame data and PDAT/LDAT motion data.
#include <benchmark/benchmark.h>

#include <string>

#include "base/app_context.h"
#include "program/dat_sections.h"
#include "program/loader.h"
#include "program/program.h"

namespace velmora {
namespace {

constexpr int kFolds = 2999;
constexpr int kPoints = 3000;

std::string Position(int i) {
  return "={X " + std::to_string(800 + (i % 50) * 4.5) + ",Y " + std::to_string(-400 + i / 50) +
         ",Z 300.0,A 0.0,B 90.0,C 180.0,S 2,T 35,E1 0.0,E2 0.0,E3 0.0,E4 0.0,E5 0.0,E6 0.0}\r\n";
}

struct MaximumProgram {
  std::string src;
  std::string dat;
  MaximumProgram() {
    src = "&ACCESS RVP\r\n&REL 1\r\nDEF largest( )\r\n";
    for (int i = 1; i <= kFolds; ++i) {
      std::string n = std::to_string(i);
      if (i % 2) {
        src += ";FOLD PTP P" + n + " CONT Vel=100 % PDAT" + n +
               " Tool[1] Base[1];%{PE}%R 3.2.24,%MZEVOTPBASIS,%CMOVE,%VPTP,%P 1:PTP, 2:P" + n +
               ", 3:C_PTP, 5:100, 7:PDAT" + n + "\r\nPDAT_ACT=PPDAT" + n + "\r\nFDAT_ACT=FP" + n +
               "\r\nBAS (#PTP_DAT,100 )\r\nPTP XP" + n + " C_PTP\r\n;ENDFOLD\r\n";
      } else {
        src += ";FOLD LIN P" + n + " CONT Vel=0.5 m/s CPDAT" + n +
               " Tool[1] Base[1];%{PE}%R 3.2.24,%MZEVOTPBASIS,%CMOVE,%VLIN,%P 1:LIN, 2:P" + n +
               ", 3:C_DIS, 5:0.5, 6:CPDAT" + n + "\r\nLDAT_ACT=LCPDAT" + n + "\r\nFDAT_ACT=FP" + n +
               "\r\nBAS (#CP_DAT,0.5 )\r\nLIN XP" + n + " C_DIS\r\n;ENDFOLD\r\n";
      }
    }
    dat = "&ACCESS RVP\r\nDEFDAT  LARGEST\r\n";
    for (int i = 1; i <= kPoints; ++i) {
      std::string n = std::to_string(i);
      dat += "DECL E6POS XP" + n + Position(i);
      dat += "DECL FDAT FP" + n + "={TOOL_NO 1,BASE_NO 1,IPO_FRAME #BASE}\r\n";
      dat += i % 2 ? "DECL PDAT PPDAT" + n + "={VEL 100.0,ACC 100.0,APO_DIST 100.0}\r\n"
                   : "DECL LDAT LCPDAT" + n + "={VEL 0.5,ACC 100.0,APO_DIST 10.0,APO_FAC 50.0}\r\n";
    }
    for (int i = 1; i <= kPoints; ++i) dat += "DECL E6POS MP" + std::to_string(i) + Position(i);
    dat += "ENDDAT\r\n";
  }
};

const MaximumProgram& Maximum() {
  static const MaximumProgram program;
  return program;
}

void BM_LoadProgramIntoView(benchmark::State& state) {
  AppContext context;
  Program program(context);
  for (auto _ : state) {
    if (!LoadProgramIntoView(program, Maximum().dat, Maximum().src)) state.SkipWithError("refused");
    benchmark::DoNotOptimize(program.ViewText.data());
  }
  state.counters["records"] = program.LineCount();
}
BENCHMARK(BM_LoadProgramIntoView)->Unit(benchmark::kMillisecond);

void BM_BuildSrcAndDatText(benchmark::State& state) {
  AppContext context;
  Program program(context);
  LoadProgramIntoView(program, Maximum().dat, Maximum().src);
  for (auto _ : state) {
    std::string src = BuildSrcText(program);
    std::string dat = BuildDatText(program);
    benchmark::DoNotOptimize(src.data());
    benchmark::DoNotOptimize(dat.data());
  }
}
BENCHMARK(BM_BuildSrcAndDatText)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora

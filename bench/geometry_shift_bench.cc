// Shifting and mirroring every point of the largest program a load accepts: 2999 motion folds
// (PTP and LIN, the last one a CIRC), 3000 points, each with its master declaration. The timing
// includes the write-back into DatPositions and the trace file.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "base/app_context.h"
#include "geometry/cls_prg_move.h"
#include "geometry/first_occurrence.h"
#include "program/loader.h"
#include "program/program.h"

namespace velmora {
namespace {

constexpr int kFolds = 2999;

std::string Position(int i) {
  return "={X " + std::to_string(800 + (i % 50) * 4.5) + ",Y " + std::to_string(-400 + i / 50) +
         ",Z 300.0,A 0.0,B 90.0,C 180.0,S 2,T 35,E1 0.0,E2 0.0,E3 0.0,E4 0.0,E5 0.0,E6 0.0}\r\n";
}

std::string Fold(int i) {
  std::string n = std::to_string(i), m = std::to_string(i + 1);
  if (i == kFolds)
    return ";FOLD CIRC P" + n + " P" + m + " Vel=0.5 m/s CPDAT" + n +
           ";%{PE}%R 3.2.24,%MZEVOTPBASIS,%CMOVE,%VCIRC,%P 1:CIRC, 2:P" + n + ", 3:P" + m +
           ", 4:C_DIS, 6:0.5, 8:CPDAT" + n + "\r\nLDAT_ACT=LCPDAT" + n + "\r\nFDAT_ACT=FP" + m +
           "\r\nCIRC XP" + n + ", XP" + m + " C_DIS\r\n;ENDFOLD\r\n";
  if (i % 2)
    return ";FOLD PTP P" + n + " CONT Vel=100 % PDAT" + n +
           ";%{PE}%R 3.2.24,%MZEVOTPBASIS,%CMOVE,%VPTP,%P 1:PTP, 2:P" + n +
           ", 3:C_PTP, 5:100, 7:PDAT" + n + "\r\nPDAT_ACT=PPDAT" + n + "\r\nFDAT_ACT=FP" + n +
           "\r\nPTP XP" + n + " C_PTP\r\n;ENDFOLD\r\n";
  return ";FOLD LIN P" + n + " CONT Vel=0.5 m/s CPDAT" + n +
         ";%{PE}%R 3.2.24,%MZEVOTPBASIS,%CMOVE,%VLIN,%P 1:LIN, 2:P" + n +
         ", 3:C_DIS, 5:0.5, 6:CPDAT" + n + "\r\nLDAT_ACT=LCPDAT" + n + "\r\nFDAT_ACT=FP" + n +
         "\r\nLIN XP" + n + " C_DIS\r\n;ENDFOLD\r\n";
}

struct Maximum {
  AppContext context;
  Program program{context};
  Maximum() {
    std::string src = "&ACCESS RVP\r\nDEF largest( )\r\n";
    for (int i = 1; i <= kFolds; ++i) src += Fold(i);
    std::string dat = "DEFDAT  LARGEST\r\n";
    for (int i = 1; i <= kFolds + 1; ++i) {
      std::string n = std::to_string(i);
      dat += "DECL E6POS XP" + n + Position(i);
      dat += "DECL FDAT FP" + n + "={TOOL_NO 1,BASE_NO 1,IPO_FRAME #BASE}\r\n";
      dat += "DECL PDAT PPDAT" + n + "={VEL 100.0,ACC 100.0,APO_DIST 100.0}\r\n";
      dat += "DECL LDAT LCPDAT" + n + "={VEL 0.5,ACC 100.0,APO_DIST 10.0,APO_FAC 50.0}\r\n";
    }
    for (int i = 1; i <= kFolds + 1; ++i) dat += "DECL E6POS MP" + std::to_string(i) + Position(i);
    dat += "ENDDAT\r\n";
    // The trace goes to a folder of its own.
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "velmora-geometry-bench";
    std::filesystem::create_directories(folder);
    setenv("XDG_TEMPLATES_DIR", folder.c_str(), 1);
    LoadProgramIntoView(program, dat, src);
  }
};

Maximum& Loaded() {
  static Maximum maximum;
  return maximum;
}

void BM_MoveKartBaseWholeProgram(benchmark::State& state) {
  Maximum& m = Loaded();
  const std::string positions = m.program.DatPositions;
  const LineTable table = m.program.table;
  for (auto _ : state) {
    state.PauseTiming();
    m.program.DatPositions = positions;
    m.program.table = table;
    state.ResumeTiming();
    ClsPrgMove move(m.program, nullptr);
    std::string error;
    bool ok = move.MoveKartBase(2, m.program.LineCount(), "{X 10.5,Y -3,Z 0,A 1,B 0,C 0}", error);
    if (!ok || !error.empty()) state.SkipWithError("not every point was shifted");
  }
  state.counters["records"] = m.program.LineCount() - 1;
}
BENCHMARK(BM_MoveKartBaseWholeProgram)->Unit(benchmark::kMillisecond);

void BM_MoveMirrorWholeProgram(benchmark::State& state) {
  Maximum& m = Loaded();
  for (auto _ : state) {
    state.PauseTiming();
    std::string positions = m.program.DatPositions + "\r\n";
    state.ResumeTiming();
    ClsPrgMove move(m.program, nullptr);
    std::string error;
    if (!move.MoveMirror(2, m.program.LineCount(), error, positions))
      state.SkipWithError("not every point was mirrored");
    benchmark::DoNotOptimize(positions.data());
  }
}
BENCHMARK(BM_MoveMirrorWholeProgram)->Unit(benchmark::kMillisecond);

// The write-back alone, indexed against the straight find-and-replace loop.
void WriteBack(benchmark::State& state, bool indexed) {
  Maximum& m = Loaded();
  std::vector<std::string> olds, news;
  for (int i = 2; i <= m.program.LineCount(); ++i) {
    const LineRecord& r = m.program.Record(i);
    for (const std::string* decl : {&r.Point1Decl, &r.Point2Decl, &r.MasterDecl1, &r.MasterDecl2}) {
      if (decl->empty()) continue;
      olds.push_back(*decl);
      news.push_back(decl->substr(0, decl->find('=')) + "={X 1,Y 2,Z 3,A 0,B 0,C 0,S 2,T 35}");
    }
  }
  std::vector<Replacement> replacements;
  for (size_t i = 0; i < olds.size(); ++i) replacements.push_back({olds[i], news[i]});
  for (auto _ : state) {
    std::string text = m.program.DatPositions;
    if (indexed) {
      ReplaceFirstOccurrences(text, replacements);
    } else {
      ReplaceFirstOccurrencesStraight(text, replacements);
    }
    benchmark::DoNotOptimize(text.data());
  }
  state.counters["replacements"] = static_cast<double>(replacements.size());
}
void BM_WriteBackIndexed(benchmark::State& state) {
  WriteBack(state, true);
}
void BM_WriteBackStraight(benchmark::State& state) {
  WriteBack(state, false);
}
BENCHMARK(BM_WriteBackIndexed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteBackStraight)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora

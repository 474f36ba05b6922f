#pragma once
// A small program with every kind of line a shift meets, a controller stand-in, and a folder
// for the trace and the logs.
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/app_context.h"
#include "geometry/var_access.h"
#include "program/loader.h"
#include "program/program.h"
#include "support/test_support.h"

namespace velmora::test {

// Records: 2 PTP P1 (base 2, master MP1), 3 a comment line, 4 LIN P2 (base 0), 5 CIRC P3 P4 in
// TP_BASIS syntax (point 1 the target XP4, point 2 the auxiliary point XP3, masters MP4, MP3),
// 6 CIRC S3 S4 in TP_USER syntax, 7 PTP P6 to an E6AXIS point, 8 PTP HOME, 9 END.
inline const std::string kShiftSrc = Crlf(
    "DEF shiftfix( )\n"
    ";FOLD PTP P1 Vel=100 % PDAT1;%{PE}%R 3.2.24,%MZEVOTPBASIS,%CMOVE,%VPTP,%P 1:PTP, 2:P1, 3:, "
    "5:100, 7:PDAT1\n"
    "PDAT_ACT=PPDAT1\nFDAT_ACT=FP1\nPTP XP1\n;ENDFOLD\n"
    "; a comment line\n"
    ";FOLD LIN P2 Vel=0.2 m/s CPDAT1;%{PE}%R 3.2.24,%MZEVOTPBASIS,%CMOVE,%VLIN,%P 1:LIN, 2:P2, 3:, "
    "5:0.2, 6:CPDAT1\n"
    "LDAT_ACT=LCPDAT1\nFDAT_ACT=FP2\nLIN XP2\n;ENDFOLD\n"
    ";FOLD CIRC P3 P4 Vel=0.2 m/s CPDAT2;%{PE}%R 3.2.24,%MZEVOTPBASIS,%CMOVE,%VCIRC,%P 1:CIRC, "
    "2:P3, 3:P4, 4:C_DIS, 6:0.2, 8:CPDAT2\n"
    "LDAT_ACT=LCPDAT2\nFDAT_ACT=FP4\nCIRC XP3, XP4\n;ENDFOLD\n"
    ";FOLD CIRC S3 S4 SLD3;%{PE}%R 2.1.4,%MZEVOTPUSER,%CSEAM,%VCIRC,%P 1:CIRC, 2:S3, 3:S4, "
    "4:SLD3\n"
    "LDAT_ACT=SLD3\nFDAT_ACT=FS4\nCIRC XS3, XS4\n;ENDFOLD\n"
    ";FOLD PTP P6 Vel=100 % PDAT2;%{PE}%R 3.2.24,%MZEVOTPBASIS,%CMOVE,%VPTP,%P 1:PTP, 2:P6, 3:, "
    "5:100, 7:PDAT2\n"
    "PDAT_ACT=PPDAT2\nFDAT_ACT=FP6\nPTP XP6\n;ENDFOLD\n"
    ";FOLD PTP HOME Vel=100 % DEFAULT;%{PE}%R 3.2.24,%MZEVOTPBASIS,%CMOVE,%VPTP,%P 1:PTP, 2:HOME, "
    "3:, 5:100, 7:DEFAULT\n"
    "PDAT_ACT=PDEFAULT\nFDAT_ACT=FHOME\nPTP XHOME\n;ENDFOLD\n"
    "END\n");

inline const std::string kShiftDat = Crlf(
    "DEFDAT  SHIFTFIX\n"
    "DECL E6POS XP1={X 100,Y 0,Z 0,A 0,B 0,C 0,S 2,T 35}\n"
    "DECL FDAT FP1={TOOL_NO 1,BASE_NO 2,IPO_FRAME #BASE}\n"
    "DECL PDAT PPDAT1={VEL 100,ACC 100,APO_DIST 100}\n"
    "DECL E6POS XP2={X 200,Y 10,Z 20,A 90,B 0,C 180,S 2,T 35,E1 5,E2 0,E3 0,E4 0,E5 0,E6 0}\n"
    "DECL FDAT FP2={TOOL_NO 1,BASE_NO 0,IPO_FRAME #BASE}\n"
    "DECL LDAT LCPDAT1={VEL 0.2,ACC 100,APO_DIST 100}\n"
    "DECL E6POS XP3={X 300,Y 50,Z 0,A 0,B 0,C 0,S 2,T 35}\n"
    "DECL E6POS XP4={X 400,Y 0,Z 0,A 0,B 0,C 0,S 2,T 35}\n"
    "DECL FDAT FP4={TOOL_NO 1,BASE_NO 2,IPO_FRAME #BASE}\n"
    "DECL LDAT LCPDAT2={VEL 0.2,ACC 100,APO_DIST 5}\n"
    "DECL E6POS XS3={X 500,Y 50,Z 0,A 0,B 0,C 0,S 6,T 18}\n"
    "DECL E6POS XS4={X 600,Y 0,Z 0,A 0,B 0,C 0,S 6,T 18}\n"
    "DECL FDAT FS4={TOOL_NO 2,BASE_NO 0,IPO_FRAME #BASE}\n"
    "DECL LDAT SLD3={VEL 0.01,ACC 100,APO_DIST 2}\n"
    "DECL E6AXIS XP6={A1 35,A2 -80,A3 100,A4 0,A5 30,A6 -35,E1 0,E2 0,E3 0,E4 0,E5 0,E6 0}\n"
    "DECL FDAT FP6={TOOL_NO 1,BASE_NO 0,IPO_FRAME #BASE}\n"
    "DECL PDAT PPDAT2={VEL 100,ACC 100,APO_DIST 100}\n"
    "DECL E6AXIS XHOME={A1 0,A2 -90,A3 90,A4 0,A5 0,A6 0,E1 0,E2 0,E3 0,E4 0,E5 0,E6 0}\n"
    "DECL FDAT FHOME={TOOL_NO 0,BASE_NO 0,IPO_FRAME #BASE}\n"
    "DECL PDAT PDEFAULT={VEL 100,ACC 100,APO_DIST 100}\n"
    "DECL E6POS MP1={X 100,Y 0,Z 0,A 0,B 0,C 0,S 2,T 35}\n"
    "DECL E6POS MP3={X 300,Y 50,Z 0,A 0,B 0,C 0,S 2,T 35}\n"
    "DECL E6POS MP4={X 400,Y 0,Z 0,A 0,B 0,C 0,S 2,T 35}\n"
    "ENDDAT\n");

// Controller variables by name; every request is recorded. `evaluate` answers expressions the
// table does not hold (nullopt: the request fails).
class FakeController : public VarAccess {
 public:
  bool ShowVar(std::string_view name, std::string& answer) override {
    requests.emplace_back(name);
    if (auto it = vars.find(std::string(name)); it != vars.end()) {
      answer = std::string(name) + "=" + it->second;
      return true;
    }
    if (evaluate) {
      if (auto value = evaluate(std::string(name))) {
        answer = std::string(name) + "=" + *value;
        return true;
      }
    }
    return false;
  }
  bool SetVar(std::string_view name, const std::string& value) override {
    sets.emplace_back(std::string(name) + "=" + value);
    if (fail_sets) return false;
    vars[std::string(name)] = value;
    return true;
  }

  std::map<std::string, std::string> vars;
  std::function<std::optional<std::string>(const std::string&)> evaluate;
  std::vector<std::string> requests;
  std::vector<std::string> sets;
  bool fail_sets = false;
};

// Points the trace and the temporary folder into a fresh folder, loads the fixture program.
struct ShiftFixture {
  ShiftFixture() {
    setenv("XDG_TEMPLATES_DIR", folder.path().c_str(), 1);
    ok = LoadProgramIntoView(program, kShiftDat, kShiftSrc);
  }
  std::string Messages() const {
    std::string out;
    for (const MessageLine& line : context.messages.lines()) {
      if (line.message_no.empty()) continue;
      out += line.message_no + "|" + line.text + "|" + line.result + "\n";
    }
    return out;
  }
  std::string Trace() const { return ReadBytes(folder.path() / "Orbi_Debug.Log"); }
  std::string Log(const std::string& name) const {
    return ReadBytes(folder.path() / "VelmoraTemp" / name);
  }
  std::string T(std::string_view key) const { return context.AssistantText(key); }
  // "Start" without its first letter, "Point", " + k: " and the text of `key`.
  std::string PointMessage(int k, std::string_view key) const {
    return T("Start").substr(1) + " " + T("Point") + " + " + std::to_string(k) + ": " + T(key);
  }

  TempDir folder;
  AppContext context;
  Program program{context};
  FakeController controller;
  bool ok = false;
};

}  // namespace velmora::test

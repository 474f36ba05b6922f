#pragma once
// ClsPrgMove: the point transformations of a range of program lines. Each method takes the
// range as record numbers (inclusive), reads the points the records' motions use, has them moved
// (robotmath/robot_math.h, mirror.h, or the controller's kinematics), writes the new declarations
// back into DatPositions and the records, and reports what it could not move in the message list,
// the trace ("Orbi_Debug.Log", shift_trace.h) and "shift.log" / "axisshift.log" in the temporary
// folder. Values follow frame.h.
//
// An object is made per shift; it keeps only the tool and base texts last read from the
// controller. Results are true unless the method says otherwise; failures never change a point
// they could not compute.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "geometry/shift_trace.h"
#include "geometry/tool_base_tables.h"
#include "geometry/vector_math.h"
#include "program/line_record.h"

namespace velmora {

struct AppContext;
class Program;
class VarAccess;

// Which reference-point shift runs while MoveKartWorld is called (none for the manual shift).
enum class ReferenceShift { kNone, kTwoPoint, kSixPoint };

// TTS correction results.
inline constexpr const char* kTtsOk = "PKT_KORR_OK";
inline constexpr const char* kTtsError = "PKT_KORR_ERROR";

class ClsPrgMove {
 public:
  // `controller` may be null (no controller: every controller read and write fails).
  ClsPrgMove(Program& program, VarAccess* controller);
  ClsPrgMove(const ClsPrgMove&) = delete;
  ClsPrgMove& operator=(const ClsPrgMove&) = delete;

  // The offset text "{X ..,Y ..,Z ..,A ..,B ..,C ..}" (missing components 0, no "{" a zero
  // offset) is meant in the point's base frame, in world axes, or in the point's tool frame.
  // False when a record of the range references a point that is not Cartesian. sError: the
  // result text of the last "no cartesian" or "CantMove" message.
  bool MoveKartBase(int32_t nStart, int32_t nEnde, const std::string& sOffset, std::string& sError);
  // While a 6-point reference shift runs, sOffset is "R0|R1", the old and the new reference
  // frame, and the controller evaluates INV_POS(B):(R1:(INV_POS(R0):B:V)) for each value V.
  bool MoveKartWorld(int32_t nStart, int32_t nEnde, const std::string& sOffset,
                     std::string& sError);
  bool MoveKartTcp(int32_t nStart, int32_t nEnde, const std::string& sOffset, std::string& sError);

  // Moves every point by axis angles ("{A1 ..,A2 ..,...,A6 ..}", degrees) through the
  // controller's INVERSE and FORWARD with the point's tool, base and mode made active. False when
  // a line references a point that is not processed (XHOME).
  bool MoveAxis(int32_t nStart, int32_t nEnde, const std::string& sOffset, std::string& sError);

  // The offset (X, Y, Z of sOffset, mm) in the tool-based technology system of the path at the
  // selected point (gew_korr_pkt: 1 pp0, 2 pp1, 3 pp1 on a PTP/LIN line, else pp2) of line
  // gew_korr_pkt_foldnr. nStart, nEnde only size the progress; n0art, n1art are not used. False
  // only when a correction was made and failed.
  bool MoveKartTTS(const Pose6& pp0, const Pose6& pp1, const Pose6& pp2, int16_t nStart,
                   int16_t nEnde, int16_t n0art, int16_t n1art, int16_t gew_korr_pkt_foldnr,
                   int16_t gew_korr_pkt, const std::string& sOffset, std::string& sError);
  // The corrected position of the selected point: kTtsOk or kTtsError (with messages "351").
  std::string tts_korrektur(const Pose6& ppp0, const Pose6& ppp1, const Pose6& ppp2,
                            int16_t gew_korrpktfoldnr, int16_t gew_korrpkt,
                            const std::array<double, 3>& XYZOffset,
                            std::array<double, 3>& Ergebnis_punkt_werte);

  // The text (one declaration or a whole data text) with its positions mirrored in the plane
  // Y = 0 (robotmath/mirror.h); empty on failure.
  std::string MirrorE6Pos(std::string_view PunktString, int32_t Kind);
  // Mirrors every point the range's records use into E6PosString (not into the program), all
  // or nothing. False when a point could not be mirrored; sError then lists them.
  bool MoveMirror(int32_t nStart, int32_t nEnde, std::string& sError, std::string& E6PosString);
  // The mirror definition of kind 0 (the plane Y = 0); empty for any other kind.
  static std::string CreateAxisSys(int32_t Kind);
  // The text up to the first NUL; empty when there is none.
  static std::string CStringToText(std::string_view cstring);

  // Tool number of a motion's parameter text; base number and interpolation mode through the
  // out arguments (tool_base_tables.h).
  int16_t ParseTool(std::string_view param, int16_t& ParseBase, std::string& ParseIpo) const;
  bool ReadToolBaseData(int tool, int base);
  bool SetControllerToolBase(std::string_view param);
  const FrameTables& frame_tables() const { return tables_; }

  void set_reference_shift(ReferenceShift shift) { reference_shift_ = shift; }
  // Z-thrust (tool working along z) or X-thrust mode of the TTS correction; read from the
  // settings ("DirectionZ") when not set.
  void set_tool_direction_z(bool z) { direction_z_ = z; }

  const ShiftTrace& trace() const { return trace_; }

 private:
  enum class Method { kBase, kWorld, kTcp };
  // Per record of a range: the new texts, or empty where nothing was computed.
  struct Result {
    std::string decl1, decl2, master1, master2;
    bool shifted = false;
    std::string reason;
  };
  struct CartesianContext;

  bool MoveKart(Method method, int32_t nStart, int32_t nEnde, const std::string& sOffset,
                std::string& sError);
  void ShiftRecord(Method method, const CartesianContext& shift, LineRecord& record,
                   Result& result);
  std::optional<std::string> ShiftDeclaration(Method method, const CartesianContext& shift,
                                              std::string_view declaration, bool master);
  std::optional<std::string> ReferenceRoute(const CartesianContext& shift, std::string_view value);
  std::optional<std::string> ConvertAxisPoint(std::string_view declaration, bool second,
                                              const std::string& offset, std::string& reason,
                                              bool master);
  // The value of a controller expression (the answer after its "="); *ok false when it failed.
  std::string ControllerAnswer(const std::string& expression, bool* ok);
  // A frame composition evaluated by the controller, cut to "{X ...": nullopt when it failed or
  // its answer holds no "X ". `upper`: the answer is upper-cased first.
  std::optional<std::string> Composition(const std::string& expression, bool upper);
  bool DirectionZ();
  LineRecord* RecordAt(int32_t n);
  AppContext& context();
  std::string T(std::string_view key);
  std::string PointMessage(int32_t k, std::string_view key);
  struct WriteBackRules {
    bool all_records = false;        // else only the records marked shifted
    bool skip_home_point1 = false;   // point 1 of a point named HOME stays
    bool skip_home_master1 = false;  // master 1 named HOME stays
  };
  // Replaces each record's old declarations by the new texts, in record order (point 1,
  // point 2, master 1, master 2), in `positions` (DatPositions when null), and keeps the new texts
  // in the records, which become Modified.
  void WriteBack(const std::vector<Result>& results, int32_t nStart, int32_t nEnde,
                 const WriteBackRules& rules, std::string* positions);

  Program* program_;
  VarAccess* controller_;
  FrameTables tables_;
  ShiftTrace trace_;
  ReferenceShift reference_shift_ = ReferenceShift::kNone;
  std::optional<bool> direction_z_;
};

}  // namespace velmora

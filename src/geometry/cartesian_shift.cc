// MoveKartBase, MoveKartWorld and MoveKartTcp: one offset frame for every Cartesian point of a
// range, meant in the point's base, in world axes, or in the point's tool frame.
#include "base/app_context.h"
#include "base/strings.h"
#include "base/textfile.h"
#include "geometry/cls_prg_move.h"
#include "geometry/position_text.h"
#include "geometry/robotmath/robot_math.h"
#include "geometry/shift_progress.h"
#include "geometry/var_access.h"
#include "program/declarations.h"
#include "program/motion.h"
#include "program/program.h"

namespace velmora {
namespace {

constexpr const char* kNullBaseText =
    "BASE_DATA[0]={FRAME: X 0.0, Y 0.0, Z 0.0, A 0.0, B 0.0, C 0.0}";

// A point counts as Cartesian when it has a name other than XHOME and its value holds each of
// the letters X, Y, Z, A, B, C.
bool IsCartesian(const LineRecord& record) {
  if (record.Point1Name.empty() || record.Point1Name == "XHOME") return false;
  std::string value = ToUpper(ValueAfterEquals(record.Point1Decl));
  return Contains(value, "X") && Contains(value, "Y") && Contains(value, "Z") &&
         Contains(value, "A") && Contains(value, "B") && Contains(value, "C");
}

// The offset frame of an offset text: a text without "{" is the zero offset.
Frame OffsetOf(const std::string& text) {
  std::string upper = ToUpper(text);
  if (!Contains(upper, "{")) return Frame{};
  return FrameOfText(upper);
}

}  // namespace

struct ClsPrgMove::CartesianContext {
  Frame offset;
  // MoveKartWorld: the point's interpolation mode and base frame.
  int32_t mode = 0;
  Frame base;
  // The 6-point reference route: the two reference frames, the base value text B and
  // H = INV_POS(R0):B of the record.
  bool reference_route = false;
  std::string r0, r1, base_value, h;
};

bool ClsPrgMove::MoveKartBase(int32_t nStart, int32_t nEnde, const std::string& sOffset,
                              std::string& sError) {
  return MoveKart(Method::kBase, nStart, nEnde, sOffset, sError);
}

bool ClsPrgMove::MoveKartWorld(int32_t nStart, int32_t nEnde, const std::string& sOffset,
                               std::string& sError) {
  return MoveKart(Method::kWorld, nStart, nEnde, sOffset, sError);
}

bool ClsPrgMove::MoveKartTcp(int32_t nStart, int32_t nEnde, const std::string& sOffset,
                             std::string& sError) {
  return MoveKart(Method::kTcp, nStart, nEnde, sOffset, sError);
}

bool ClsPrgMove::MoveKart(Method method, int32_t nStart, int32_t nEnde, const std::string& sOffset,
                          std::string& sError) {
  AppContext& ctx = context();
  const bool world = method == Method::kWorld;
  const char* trace_name = method == Method::kBase    ? "MoveKartBase"
                           : method == Method::kWorld ? "MoveKartWorld"
                                                      : "MoveKartTcp";
  const std::string menu_key = method == Method::kBase    ? "mnuCartBase"
                               : method == Method::kWorld ? "mnuCartWorld"
                                                          : "mnuCartTCP";
  const char* no_cartesian_number = method == Method::kTcp ? "222" : "300";
  const char* cant_move_number = method == Method::kTcp ? "222" : "221";
  std::string cant_move_text = T(menu_key);
  if (world && reference_shift_ == ReferenceShift::kSixPoint)
    cant_move_text = Trim(T("mnu6PointShift"));
  if (world && reference_shift_ == ReferenceShift::kTwoPoint)
    cant_move_text = Trim(T("mnu2PointShift"));
  if (world && reference_shift_ == ReferenceShift::kNone) cant_move_text = Trim(cant_move_text);

  const int32_t count = nEnde >= nStart ? nEnde - nStart + 1 : 0;
  std::vector<Result> results(static_cast<size_t>(count));
  ShiftProgress progress(ctx.progress, nEnde - nStart + 2);
  trace_.Write(std::string(trace_name) + ": Start=" + std::to_string(nStart) +
               " Ende=" + std::to_string(nEnde) + " Offset=" + sOffset + "\r\n");

  CartesianContext shift;
  size_t bar = sOffset.find('|');
  if (world && reference_shift_ == ReferenceShift::kSixPoint && bar != std::string::npos) {
    shift.reference_route = true;
    shift.r0 = Trim(sOffset.substr(0, bar));
    shift.r1 = Trim(sOffset.substr(bar + 1));
  } else {
    shift.offset = OffsetOf(sOffset);
  }

  bool ok = true;
  bool cant_read_tool = false;
  std::string last_message;
  for (int32_t i = nStart; i <= nEnde; ++i) {
    const int32_t k = i - nStart;
    Result& result = results[static_cast<size_t>(k)];
    LineRecord* record = RecordAt(i);
    if (!record) continue;
    if (!record->Parsed) ParseMotionRecord(*program_, i);
    if (!IsCartesian(*record)) {
      if (!record->Point1Name.empty() || !record->Point1Decl.empty()) {
        ok = false;
        last_message = PointMessage(k, "no cartesian");
        ctx.AddMessage(T(menu_key), no_cartesian_number, last_message);
      }
      continue;
    }
    progress.Advance();
    result.shifted = true;
    if (world) {
      ToolBaseIpo frames = ParseToolText(record->MotionData);
      if (!ReadToolBaseData(frames.tool, frames.base)) {
        auto report = [&](int number, const char* below, const char* above) {
          if (number >= 0 && number <= kMaxFrameIndex) return;
          cant_read_tool = true;
          ctx.AddMessage(T("mnuCartWorld"), "300", T("CantReadTool") + ": ");
          ctx.AddMessage(T("mnuCartWorld"), "300", number < 0 ? below : above);
        };
        report(frames.base, "Base-No. < 0", "Base-No. > max");
        report(frames.tool, "Tool-No. < 0", "Tool-No. > max");
      }
      shift.mode = IpoModeNumber(frames.ipo);
      if (frames.base > kMaxFrameIndex) {
        // No table holds this base: the point cannot be put into the world.
        result.shifted = false;
        result.reason = "Base-No. > max";
        continue;
      }
      if (frames.base < 1) {
        tables_.base_data[0] = kNullBaseText;
        shift.base = Frame{};
      } else if (tables_.base_data[static_cast<size_t>(frames.base)].empty()) {
        // Never read from the controller: a zero frame would shift the point in wrong axes.
        result.shifted = false;
        result.reason = "BASE_DATA[" + std::to_string(frames.base) + "]: " + T("CantReadTool");
        continue;
      } else {
        shift.base = FrameOfText(tables_.base_data[static_cast<size_t>(frames.base)]);
      }
      if (shift.reference_route) {
        shift.base_value =
            AnswerValue(tables_.base_data[static_cast<size_t>(std::max<int>(frames.base, 0))]);
        bool answered = false;
        std::string inverse = ControllerAnswer("INV_POS(" + shift.r0 + ")", &answered);
        std::optional<std::string> h;
        if (answered) h = Composition(inverse + ":" + shift.base_value, true);
        if (!h) {
          result.shifted = false;
          result.reason = "INV_POS(" + shift.r0 + "):" + shift.base_value + ": " + T("ErrShowVar");
          continue;
        }
        shift.h = *h;
      }
    }
    ShiftRecord(method, shift, *record, result);
  }

  for (const Result& result : results) {
    if (!result.shifted && !world) trace_.Write("Fehler:");
  }
  WriteBackRules rules;
  rules.skip_home_point1 = world;
  WriteBack(results, nStart, nEnde, rules, nullptr);

  for (int32_t i = nStart; i <= nEnde; ++i) {
    const Result& result = results[static_cast<size_t>(i - nStart)];
    const LineRecord* record = RecordAt(i);
    if (result.shifted || !record) continue;
    std::string line = "P" + std::to_string(record->MotionNo) + ": " + result.reason;
    trace_.Write(line);
    if (method == Method::kBase) AppendToTempFile("shift.log", line);
    last_message = PointMessage(i - nStart, "CantMove");
    ctx.AddMessage(cant_move_text, cant_move_number, last_message);
  }
  if (!last_message.empty()) {
    sError = last_message;
  } else if (cant_read_tool) {
    sError = T("CantReadTool") + ": ";
  }
  trace_.Flush();
  return ok;
}

void ClsPrgMove::ShiftRecord(Method method, const CartesianContext& shift, LineRecord& record,
                             Result& result) {
  struct Point {
    const std::string& name;
    const std::string& decl;
    const std::string& master_name;
    const std::string& master_decl;
    std::string& new_decl;
    std::string& new_master;
  };
  Point points[] = {
      {record.Point1Name, record.Point1Decl, record.MasterName1, record.MasterDecl1, result.decl1,
       result.master1},
      {record.Point2Name, record.Point2Decl, record.MasterName2, record.MasterDecl2, result.decl2,
       result.master2},
  };
  for (Point& p : points) {
    if (&p != &points[0] && p.decl.empty()) continue;
    trace_.Write("Vorher: ", p.decl);
    std::optional<std::string> value = ShiftDeclaration(method, shift, p.decl, false);
    if (!value) {
      result.shifted = false;
      result.reason = p.name + ": " + T("ErrShowVar");
      return;
    }
    p.new_decl = p.name + "=" + *value;
    trace_.Write("Nachher: ", p.new_decl);
    if (p.master_decl.empty()) continue;
    trace_.Write("Vorher(MP): ", p.master_decl);
    // A master declaration without a name of its own would be written without one: it stays.
    if (p.master_name.empty()) continue;
    std::optional<std::string> master = ShiftDeclaration(method, shift, p.master_decl, true);
    if (!master) {
      result.shifted = false;
      result.reason = p.master_name + ": " + T("ErrShowVar");
      return;
    }
    p.new_master = p.master_name + "=" + *master;
    trace_.Write("Nachher(MP): ", p.new_master);
  }
}

std::optional<std::string> ClsPrgMove::ShiftDeclaration(Method method,
                                                        const CartesianContext& shift,
                                                        std::string_view declaration, bool master) {
  std::string value;
  if (shift.reference_route) {
    std::optional<std::string> moved = ReferenceRoute(shift, ValueAfterEquals(declaration));
    if (!moved) return std::nullopt;
    value = *moved;
  } else {
    Frame p = FrameOfText(declaration);
    const Frame& o = shift.offset;
    if (method == Method::kTcp && !master) {
      ShiftInTool(0, o.x, o.y, o.z, o.a, o.b, o.c, p.x, p.y, p.z, p.a, p.b, p.c);
    } else if (method == Method::kWorld && !master) {
      const Frame& b = shift.base;
      ShiftInWorld(shift.mode, b.x, b.y, b.z, b.a, b.b, b.c, o.x, o.y, o.z, o.a, o.b, o.c, p.x, p.y,
                   p.z, p.a, p.b, p.c);
    } else {
      ShiftInBase(method == Method::kWorld ? shift.mode : 0, o.x, o.y, o.z, o.a, o.b, o.c, p.x, p.y,
                  p.z, p.a, p.b, p.c);
    }
    value = FormatPosition(p.x, p.y, p.z, p.a, p.b, p.c);
  }
  MergeMissingComponents(declaration, value);
  return value;
}

std::optional<std::string> ClsPrgMove::Composition(const std::string& expression, bool upper) {
  bool answered = false;
  std::string value = ControllerAnswer(expression, &answered);
  if (!answered) return std::nullopt;
  if (upper) value = ToUpper(value);
  size_t x = value.find("X ");
  if (x == std::string::npos) return std::nullopt;
  return "{" + value.substr(x);
}

std::optional<std::string> ClsPrgMove::ReferenceRoute(const CartesianContext& shift,
                                                      std::string_view value) {
  // new value = INV_POS(B):(R1:(H:V)) with H = INV_POS(R0):B
  std::optional<std::string> in_r0 = Composition(shift.h + ":" + std::string(value), false);
  if (!in_r0) return std::nullopt;
  std::optional<std::string> in_world = Composition(shift.r1 + ":" + *in_r0, false);
  if (!in_world) return std::nullopt;
  bool answered = false;
  std::string inverse_base = ControllerAnswer("INV_POS(" + shift.base_value + ")", &answered);
  if (!answered) return std::nullopt;
  return Composition(inverse_base + ":" + *in_world, true);
}

}  // namespace velmora

// tts_korrektur and MoveKartTTS: one point corrected by an offset in the tool-based technology
// system (TTS) of the path at that point: x along the direction of travel, y and z fixed by the
// tool's working direction. Only X, Y, Z of the point change.
#include <cmath>

#include "base/app_context.h"
#include "base/strings.h"
#include "base/textfile.h"
#include "geometry/circle.h"
#include "geometry/cls_prg_move.h"
#include "geometry/position_text.h"
#include "geometry/shift_progress.h"
#include "program/motion.h"
#include "program/program.h"

namespace velmora {
namespace {

// The turn of the auxiliary point's frame uses its own value of pi.
constexpr double kTurnPi = 3.141592657;
constexpr double kZero = 0.0001;

Vec3 Position(const Pose6& p) {
  return {p[0], p[1], p[2]};
}

// Z-thrust mode: the correction r from the offset d and the offset in the base v, by the first
// matching row of the sign table.
Vec3 ZThrustCorrection(const std::array<double, 3>& d, const Vec3& v) {
  const double dx = d[0], dy = d[1], dz = d[2];
  auto zero = [](double x) { return std::abs(x) < kZero; };
  auto nonzero = [](double x) { return std::abs(x) > 0; };
  const double vx = v.x(), vy = v.y(), vz = v.z();
  if (nonzero(dx) && zero(dy) && zero(dz)) return {vx, vy, vz};
  if (zero(dx) && nonzero(dy) && zero(dz)) return {-vx, -vy, -vz};
  if (zero(dx) && zero(dy) && nonzero(dz)) return {vx, vy, vz};
  if (dx != 0 && dy != 0 && dz < kZero) return {vx, vy, -vz};  // the four rows + +, - -, + -, - +
  if (nonzero(dx) && zero(dy) && nonzero(dz)) return {vx, vy, vz};
  if (zero(dx) && nonzero(dy) && nonzero(dz)) return {vx, -vy, -vz};
  if (dx > 0 && dy > 0 && dz > 0) return {vx, vz, -vy};
  if (dx < 0 && dy > 0 && dz > 0) return {vx, -vz, vy};
  if (dx > 0 && dy < 0 && dz > 0) return {vx, -vz, vy};
  if (dx < 0 && dy < 0 && dz > 0) return {vx, vz, -vy};
  if (dx == 0 && dy == 0 && dz == 0) return {0, 0, 0};
  return {vx, vy, vz};
}

}  // namespace

std::string ClsPrgMove::tts_korrektur(const Pose6& ppp0, const Pose6& ppp1, const Pose6& ppp2,
                                      int16_t gew_korrpktfoldnr, int16_t gew_korrpkt,
                                      const std::array<double, 3>& XYZOffset,
                                      std::array<double, 3>& Ergebnis_punkt_werte) {
  AppContext& ctx = context();
  const LineRecord* line = RecordAt(gew_korrpktfoldnr);
  const int16_t motion_type = line ? line->MotionType : int16_t{kNoMotion};
  const bool straight = motion_type == kPtp || motion_type == kLin;
  const Pose6* corrected = nullptr;
  if (gew_korrpkt == 1) corrected = &ppp0;
  if (gew_korrpkt == 2) corrected = &ppp1;
  if (gew_korrpkt == 3) corrected = straight ? &ppp1 : &ppp2;
  if (!corrected) return kTtsError;
  const Vec3 p0 = Position(ppp0), p1 = Position(ppp1), p2 = Position(ppp2);
  const Vec3 point = Position(*corrected);
  const Mat3 orientation = FrameToMatrix((*corrected)[3], (*corrected)[4], (*corrected)[5]);

  // The direction of travel at the point.
  Vec3 tangent, centre, normal;
  if (straight) {
    tangent = p1 - p0;
    NormalizeVector(tangent);
  } else {
    if (CircleCentre(p0, p1, p2, centre, ctx) != kCircleOk) {
      ctx.AddMessage(T("HotEdit"), "351", T("Point") + " " + T("KORR") + " " + T("ERROR"));
      return kTtsError;
    }
    normal = VectorProduct(p2 - p1, p0 - p1);
    tangent = VectorProduct(centre - point, normal);
    NormalizeVector(tangent);
  }

  // The tool's working direction: the x axis of the point's orientation. The auxiliary point of
  // an arc has no orientation of its own: the target's orientation is carried to it along the arc.
  Vec3 work = orientation.col(0);
  if (gew_korrpkt == 2 && !straight) {
    Vec3 z0 = -normal / vecnorm(normal);
    Vec3 y0 = centre - p0;
    NormalizeVector(y0);
    Vec3 x0 = VectorProduct(centre - p0, -normal);
    NormalizeVector(x0);
    Vec3 y0_from_centre = p0 - centre;
    NormalizeVector(y0_from_centre);
    double phi = AngleFromRatio(skalprod(x0, p1 - centre), skalprod(y0_from_centre, p1 - centre));
    if (phi < 0) phi += 360;
    const double rad = phi * kTurnPi / 180;
    Mat3 turned;
    turned.col(0) = std::cos(rad) * x0 + std::sin(rad) * y0;
    turned.col(1) = -std::sin(rad) * x0 + std::cos(rad) * y0;
    turned.col(2) = -z0;
    work = MatrixProduct(turned, FrameToMatrix(ppp2[3], ppp2[4], ppp2[5])).col(0);
  }

  if (IsNearlyParallel(tangent, work)) {
    ctx.AddMessage(
        T("HotEdit"), "351",
        T(DirectionZ() ? "Z-Achse Parallel zu Tool-Vektor" : "X-Achse Parallel zu Tool-Vektor"));
    ctx.AddMessage(T("HotEdit"), "351", T("Punktabstand zu gering, TTS nicht erreichbar"));
    return kTtsError;
  }

  Mat3 tts;
  Vec3 y = VectorProduct(tangent, work);
  NormalizeVector(y);
  Vec3 z = VectorProduct(tangent, y);
  NormalizeVector(z);
  tts.col(0) = tangent;
  tts.col(1) = y;
  tts.col(2) = z;
  const Vec3 v = tts * Vec3(XYZOffset[0], XYZOffset[1], XYZOffset[2]);
  const Vec3 r = DirectionZ() ? ZThrustCorrection(XYZOffset, v) : v;
  const Vec3 result = point + r;
  Ergebnis_punkt_werte = {result.x(), result.y(), result.z()};
  return kTtsOk;
}

bool ClsPrgMove::MoveKartTTS(const Pose6& pp0, const Pose6& pp1, const Pose6& pp2, int16_t nStart,
                             int16_t nEnde, int16_t /*n0art*/, int16_t /*n1art*/,
                             int16_t gew_korr_pkt_foldnr, int16_t gew_korr_pkt,
                             const std::string& sOffset, std::string& sError) {
  AppContext& ctx = context();
  const Frame offset = FrameOfText(Contains(sOffset, "{") ? sOffset : std::string());
  const std::array<double, 3> d = {offset.x, offset.y, offset.z};
  ShiftProgress progress(ctx.progress, std::abs(nStart - nEnde) + 2);
  auto note = [&](const std::string& entry) {
    trace_.Write(entry);
    AppendToTempFile("shift.log", entry);
  };

  std::string outcome = kTtsError;
  bool corrected = false, not_moved = false;
  Result result;
  LineRecord* record = gew_korr_pkt_foldnr >= 2 && gew_korr_pkt_foldnr <= kMaxRecords
                           ? RecordAt(gew_korr_pkt_foldnr)
                           : nullptr;
  if (record) {
    if (!record->Parsed) ParseMotionRecord(*program_, gew_korr_pkt_foldnr);
    if (record->Point1Name.empty() || record->Point1Name == "XHOME") not_moved = true;
  }
  // Corrects one point and its master; `lead` goes in front of the entries of point 2.
  auto correct = [&](const std::string& name, const std::string& decl,
                     const std::string& master_name, const std::string& master_decl,
                     std::string& new_decl, std::string& new_master, const std::string& lead,
                     const char* master_log) {
    corrected = true;
    std::array<double, 3> position{};
    outcome = tts_korrektur(pp0, pp1, pp2, gew_korr_pkt_foldnr, gew_korr_pkt, d, position);
    if (outcome != kTtsOk) return;
    // Z-thrust: the points came with X and Z exchanged.
    if (DirectionZ()) std::swap(position[0], position[2]);
    auto rewrite = [&](const std::string& old_decl) {
      Frame own = FrameOfText(old_decl);
      std::string value =
          FormatPosition(position[0], position[1], position[2], own.a, own.b, own.c);
      MergeMissingComponents(old_decl, value);
      return value;
    };
    new_decl = name + "=" + rewrite(decl);
    trace_.Write(lead + "Nachher: " + new_decl);
    AppendToTempFile("shift.log", lead + "Nachher: " + new_decl);
    // A master without a name of its own would be written without one: it stays.
    if (master_decl.empty() || master_name.empty()) return;
    new_master = master_name + "=" + rewrite(master_decl);
    trace_.Write(lead + "Nachher(MP): " + new_master);
    AppendToTempFile("shift.log", lead + master_log + new_master);
  };
  if (record && !not_moved) {
    if ((gew_korr_pkt == 1 || gew_korr_pkt == 3) && !record->Point1Decl.empty()) {
      correct(record->Point1Name, record->Point1Decl, record->MasterName1, record->MasterDecl1,
              result.decl1, result.master1, "", "Nachher(PM): ");
    } else if (gew_korr_pkt == 2 && !record->Point2Decl.empty()) {
      correct(record->Point2Name, record->Point2Decl, record->MasterName2, record->MasterDecl2,
              result.decl2, result.master2, "\r\n", "Nachher(MP): ");
    }
  }

  if (outcome != kTtsOk) {
    sError = T("Error") + ":\r\n";
    note("Fehler:");
    if (record && not_moved) {
      for (int twice = 0; twice < 2; ++twice) {
        sError += T("Point") + std::to_string(record->MotionNo) + ": " + T("CantMove") + "\r\n";
        note("P" + std::to_string(record->MotionNo) + ": ");
      }
    }
  } else {
    progress.Advance();
    result.shifted = true;
    WriteBack({result}, gew_korr_pkt_foldnr, gew_korr_pkt_foldnr, WriteBackRules{}, nullptr);
  }
  trace_.Flush();
  return !(corrected && outcome != kTtsOk);
}

}  // namespace velmora

#pragma once
// One logical line of the loaded source program, with what its motion reads.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

using Pose6 = std::array<double, 6>;  // X, Y, Z, A, B, C

enum MotionKind : int16_t { kNoMotion = 0, kPtp = 1, kLin = 2, kCirc = 3, kUserMotion = 4 };

struct LineRecord {
  std::string Text;         // every line with CR LF; for a fold all its lines; record 1 the header
  std::string Point1Decl;   // name={...} of the motion's point (or the controller's value text)
  std::string MotionData;   // motion-data texts of the motion (see ParseMotionRecord)
  std::string Point2Decl;   // auxiliary point of a circular motion
  std::string MotionData2;  // frame data of that auxiliary point (TP_BASIS)
  int16_t MotionNo = 0;     // running number among the motion folds in the view
  std::string Point1Name;
  std::string Point2Name;
  std::string MotionDataName;  // TP_USER folds: the name assigned to PDAT_ACT/LDAT_ACT
  int16_t Syntax = 0;          // 1 TP_USER, 2 TP_BASIS
  std::string FoldTitle;
  std::string FoldKind = "UNKNOWN";  // UNKNOWN, MOVE, COMMENT, SPS, EXPERT
  int32_t ViewStart = 0;             // offset of the display text in ViewText
  int32_t ViewLength = 0;
  bool Parsed = false;
  bool Modified = false;
  bool IsMotion = false;
  int16_t TechCommand = 0;
  int16_t MotionType = kNoMotion;
  Pose6 Pos1{};
  Pose6 MasterPos1{};
  std::string MasterDecl1;
  std::string MasterDecl2;
  std::string MasterName1;
  std::string MasterName2;
};

// The fixed table of records 1..kMaxRecords (index 0 unused). `LineCount` records are in use,
// the header included.
inline constexpr int kMaxRecords = 3000;

struct LineTable {
  LineTable() : records(kMaxRecords + 1) {}
  LineRecord& operator[](int n) { return records[static_cast<size_t>(n)]; }
  const LineRecord& operator[](int n) const { return records[static_cast<size_t>(n)]; }
  std::vector<LineRecord> records;
  int LineCount = 0;
};

}  // namespace velmora

#include "commands/edit/clipboard_commands.h"

#include <gtest/gtest.h>

#include "base/strings.h"
#include "commands/edit/edit_fixtures.h"
#include "program/declarations.h"

namespace velmora {
namespace {

using test::Crlf;
using test::kBasisDat;
using test::kBasisSrc;
using test::Loaded;

// Record texts of a program, by their first line.
std::vector<std::string> FirstLines(const Program& program) {
  std::vector<std::string> lines;
  for (int k = 2; k <= program.LineCount(); ++k) {
    const std::string& text = program.Record(k).Text;
    lines.push_back(text.substr(0, std::min(text.find(';', 1), text.find('\r'))));
  }
  return lines;
}

TEST(CopyAndCut, BlockRanges) {
  struct Case {
    const char* name;
    bool marked;
    int start, end, current;
    int copied_first, copied_count;  // Copy
    int cut_count;                   // Cut of the same marks
  } cases[] = {
      {"block 3..7: copy leaves out the larger end", true, 3, 7, 5, 3, 4, 5},
      {"block given upwards", true, 7, 3, 5, 3, 4, 5},
      {"one-record block", true, 5, 5, 2, 5, 1, 1},
      {"no block: the current record", false, 3, 7, 6, 6, 1, 1},
  };
  for (const Case& c : cases) {
    Loaded copy(kBasisDat, kBasisSrc);
    Program& p = copy.program;
    p.BlockStart = c.start, p.BlockEnd = c.end, p.CurrentLine = c.current;
    Clipboard clipboard;
    ASSERT_TRUE(CopySections(p, clipboard, c.marked)) << c.name;
    ASSERT_EQ(clipboard.count(), c.copied_count) << c.name;
    EXPECT_EQ(clipboard.entries[0].Text, p.Record(c.copied_first).Text) << c.name;
    EXPECT_FALSE(clipboard.from_cut);
    EXPECT_EQ(copy.Messages().back(), "110 <Copy>|OK");

    Loaded cut(kBasisDat, kBasisSrc);
    Program& q = cut.program;
    q.BlockStart = c.start, q.BlockEnd = c.end, q.CurrentLine = c.current;
    ASSERT_TRUE(CutSections(q, clipboard, c.marked)) << c.name;
    EXPECT_EQ(clipboard.count(), c.cut_count) << c.name;
    EXPECT_TRUE(clipboard.from_cut);
    EXPECT_EQ(q.LineCount(), 8 - c.cut_count) << c.name;
    test::ExpectReloadsIntact(q);
  }
}

TEST(CutSections, RemovesTheBlockAndCleansButKeepsMasterPoints) {
  Loaded loaded(kBasisDat, kBasisSrc);
  Program& p = loaded.program;
  p.BlockStart = 4, p.BlockEnd = 6, p.CurrentLine = 6;  // P1, P2 and the circle P3 P4
  Clipboard clipboard;
  ASSERT_TRUE(CutSections(p, clipboard, true));

  EXPECT_EQ(FirstLines(p),
            (std::vector<std::string>{";FOLD INI", ";FOLD PTP HOME Vel=100 % DEFAULT",
                                      ";FOLD LIN P5 Vel=0.2 m/s CPDAT3 Tool[1] Base[2]", "END"}));
  for (int k = 2; k <= p.LineCount(); ++k) EXPECT_TRUE(p.Record(k).Modified) << k;
  EXPECT_EQ(p.CurrentLine, 5);  // kept within the shown records
  EXPECT_EQ(p.BlockStart, 0);
  for (const char* gone : {"XP1", "XP2", "XP3", "XP4"}) {
    EXPECT_FALSE(Declares(p.DatPositions, gone)) << gone;
  }
  for (const char* gone : {"FP1", "FP2", "FP3", "FP4", "PPDAT1", "LCPDAT1", "LCPDAT2"}) {
    EXPECT_FALSE(Declares(p.DatMotion, gone)) << gone;
  }
  for (const char* kept : {"XP5", "XHOME", "MP1", "MP4"}) {
    EXPECT_TRUE(Declares(p.DatPositions, kept)) << kept;
  }
  EXPECT_TRUE(Contains(p.DatOther, "LAST_XP_POINT=0\r\n"));
  EXPECT_EQ(loaded.Messages(), (std::vector<std::string>{"100 <Cut>|OK", "220 <mnuCleanFile>|<On>",
                                                         "230 <FileCleaned>|<OK>"}));
  // The clipboard keeps the cut records with their declarations for a paste.
  ASSERT_EQ(clipboard.count(), 3);
  EXPECT_EQ(clipboard.entries[0].Point1Decl.substr(0, 11), "XP1={X 100.");
  EXPECT_EQ(clipboard.entries[0].MasterName1, "MP1");
  test::ExpectReloadsIntact(p);
}

TEST(DeleteSections, RemovesWithoutTouchingTheClipboard) {
  Loaded loaded(kBasisDat, kBasisSrc);
  Program& p = loaded.program;
  p.CurrentLine = 6;  // the circle
  ASSERT_TRUE(DeleteSections(p, false));
  EXPECT_EQ(p.LineCount(), 7);
  EXPECT_EQ(p.CurrentLine, 5);  // up by one: it was the block's first record
  for (const char* gone : {"XP3", "XP4"}) EXPECT_FALSE(Declares(p.DatPositions, gone));
  EXPECT_TRUE(Declares(p.DatPositions, "MP4"));  // master points go only with Clean master
  EXPECT_EQ(loaded.Messages().front(), "130 <Delete>|OK");
  test::ExpectReloadsIntact(p);
}

TEST(DeleteSections, CurrentLineMovesUpByTheRecordsRemoved) {
  Loaded loaded(kBasisDat, kBasisSrc);
  Program& p = loaded.program;
  p.BlockStart = 4, p.BlockEnd = 6, p.CurrentLine = 7;
  ASSERT_TRUE(DeleteSections(p, true));
  EXPECT_EQ(p.CurrentLine, 4);
  EXPECT_EQ(p.Record(4).Point1Name, "XP5");
}

TEST(DeleteAndCut, EverythingRemovedLeavesHeaderAndEnd) {
  for (bool cut : {false, true}) {
    Loaded loaded(kBasisDat, kBasisSrc);
    Program& p = loaded.program;
    const SelectAllState state = SelectAll(p);
    EXPECT_TRUE(state.BlockMarked && state.SelectAllActive);
    EXPECT_EQ(p.BlockStart, 2);
    EXPECT_EQ(p.BlockEnd, 8);
    Clipboard clipboard;
    ASSERT_TRUE(cut ? CutSections(p, clipboard, true) : DeleteSections(p, true));
    ASSERT_EQ(p.LineCount(), 2) << cut;
    EXPECT_EQ(Trim(ReplaceAll(p.Record(2).Text, "\r\n", "")), "END");
    EXPECT_TRUE(p.Record(2).Modified);
    EXPECT_EQ(p.CurrentLine, 2);
    // The END that stays in the program is no part of the clipboard.
    if (cut) {
      EXPECT_EQ(clipboard.count(), 6);
    }
    EXPECT_FALSE(Declares(p.DatPositions, "XP1"));
    EXPECT_TRUE(Declares(p.DatPositions, "XHOME"));  // axis points are not cleaned
  }
}

TEST(CopyAndCut, MoreRecordsThanTheClipboardHoldsAreRefusedWhole) {
  std::string src = "DEF many( )\n";
  for (int i = 0; i < 120; ++i) src += "WAIT SEC 0\n";
  src += "END\n";
  Loaded loaded(Crlf("DEFDAT MANY\nENDDAT\n"), Crlf(src));
  Program& p = loaded.program;
  Clipboard clipboard;
  clipboard.entries.resize(1);
  p.BlockStart = 2, p.BlockEnd = 102;  // 101 records
  EXPECT_FALSE(CutSections(p, clipboard, true));
  EXPECT_EQ(p.LineCount(), 122);
  EXPECT_EQ(clipboard.count(), 1);
  EXPECT_EQ(loaded.Messages().back(), "100 <Cut>|<not_OK>: <ClipboardLimit> 100");

  p.BlockEnd = 103;  // Copy leaves out the larger end: 101 records
  EXPECT_FALSE(CopySections(p, clipboard, true));
  EXPECT_EQ(loaded.Messages().back(), "110 <Copy>|<not_OK>: <ClipboardLimit> 100");
  p.BlockEnd = 102;  // 100 records
  EXPECT_TRUE(CopySections(p, clipboard, true));
  EXPECT_EQ(clipboard.count(), kMaxClipboardRecords);
}

TEST(CutAndDelete, NothingCurrentDoesNothing) {
  Loaded loaded(kBasisDat, kBasisSrc);
  Program& p = loaded.program;
  p.CurrentLine = 0;
  Clipboard clipboard;
  EXPECT_FALSE(CutSections(p, clipboard, false));
  EXPECT_FALSE(DeleteSections(p, false));
  EXPECT_EQ(p.LineCount(), 8);
  EXPECT_TRUE(loaded.Messages().empty());
}

}  // namespace
}  // namespace velmora

#include "commands/edit/rename.h"

#include <gtest/gtest.h>

#include "commands/edit/new_names.h"
#include "program/line_record.h"
#include "support/test_support.h"

namespace velmora {
namespace {

using test::Crlf;

TEST(RenamePointInSection, RenamesThePointWhereItStandsAsAName) {
  struct Case {
    const char* name;
    int syntax;
    std::string old_name, new_name, text, expected;
  } cases[] = {
      {"basis fold: title, parameter, statement, frame data", 2, "XP1", "XC7",
       ";FOLD PTP P1 CONT Vel=100 % PDAT1;%{PE}%MZEVOTPBASIS,%P 1:PTP, 2:P1, 3:C_PTP, 7:PDAT1\n"
       "PDAT_ACT=PPDAT1\nFDAT_ACT=FP1\nPTP XP1 C_PTP\n;ENDFOLD\n",
       ";FOLD PTP C7 CONT Vel=100 % PDAT1;%{PE}%MZEVOTPBASIS,%P 1:PTP, 2:C7, 3:C_PTP, 7:PDAT1\n"
       "PDAT_ACT=PPDAT1\nFDAT_ACT=FC7\nPTP XC7 C_PTP\n;ENDFOLD\n"},
      {"basis circle target sits in parameter 3", 2, "XP4", "XC8",
       ";FOLD CIRC P3 P4 Vel=0.2 m/s;%{PE}%P 1:CIRC, 2:P3, 3:P4, 8:CPDAT2\nFDAT_ACT=FP4\n"
       "CIRC XP3, XP4 C_DIS\n",
       ";FOLD CIRC P3 C8 Vel=0.2 m/s;%{PE}%P 1:CIRC, 2:P3, 3:C8, 8:CPDAT2\nFDAT_ACT=FC8\n"
       "CIRC XP3, XC8 C_DIS\n"},
      {"basis circle auxiliary point", 2, "XP3", "XC9",
       ";FOLD CIRC P3 P4;%{PE}%P 1:CIRC, 2:P3, 3:P4\nCIRC XP3, XP4 C_DIS\n",
       ";FOLD CIRC C9 P4;%{PE}%P 1:CIRC, 2:C9, 3:P4\nCIRC XC9, XP4 C_DIS\n"},
      {"a longer name that begins with the old one stays", 2, "XP1", "XC2",
       ";FOLD PTP P10;%{PE}%P 1:PTP, 2:P10\nFDAT_ACT=FP10\nPTP XP10\n",
       ";FOLD PTP P10;%{PE}%P 1:PTP, 2:P10\nFDAT_ACT=FP10\nPTP XP10\n"},
      {"user fold: every line, the name as a word", 1, "XS1", "C3",
       ";FOLD PTP S1 Vel=80 %;%{PE}%MZEVOTPUSER,%P 1:PTP, 2:S1\nFDAT_ACT=FS1\nPTP XS1\n"
       "PTP XS10\n",
       ";FOLD PTP S1 Vel=80 %;%{PE}%MZEVOTPUSER,%P 1:PTP, 2:S1\nFDAT_ACT=FS1\nPTP C3\n"
       "PTP XS10\n"},
      {"user circle: the name after a comma", 1, "XS4", "C5", "CIRC XS3, XS4\n", "CIRC XS3, C5\n"},
  };
  for (const Case& c : cases) {
    LineRecord record;
    record.Syntax = static_cast<int16_t>(c.syntax);
    record.Text = Crlf(c.text);
    RenamePointInSection(c.old_name, c.new_name, record);
    EXPECT_EQ(record.Text, Crlf(c.expected)) << c.name;
  }
}

TEST(RenameMotionData, NewFrameAndMotionDataNamesInDataAndText) {
  struct Case {
    const char* name;
    std::string old_point, new_point, data, text;
    std::string expected_data, expected_text;
    MotionDataCounters expected_next;
  } cases[] = {
      {"PDAT",
       "XP1",
       "XC7",
       "FP1={TOOL_NO 1}\r\nPPDAT1={VEL 100}",
       ";FOLD PTP P1 Vel=100 % PDAT1;%P 7:PDAT1\nPDAT_ACT=PPDAT1\nFDAT_ACT=FP1\n",
       "FC7={TOOL_NO 1}\r\nPPDAT4={VEL 100}\r\n",
       ";FOLD PTP P1 Vel=100 % PDAT4;%P 7:PDAT4\nPDAT_ACT=PPDAT4\nFDAT_ACT=FP1\n",
       {5, 9}},
      {"LDAT, data given motion first",
       "XP2",
       "XC8",
       "LCPDAT1={VEL 0.2}\r\nFP2={TOOL_NO 1}",
       ";FOLD LIN P2 CPDAT1;%P 6:CPDAT1\nLDAT_ACT=LCPDAT1\n",
       "FC8={TOOL_NO 1}\r\nLCPDAT9={VEL 0.2}\r\n",
       ";FOLD LIN P2 CPDAT9;%P 6:CPDAT9\nLDAT_ACT=LCPDAT9\n",
       {4, 10}},
      {"default motion data gets its own",
       "XHOME",
       "XHOME",
       "FHOME={TOOL_NO 0}\r\nPDEFAULT={VEL 100}",
       ";FOLD PTP HOME Vel=100 % DEFAULT;%P 7:DEFAULT\nPDAT_ACT=PDEFAULT\n",
       "FHOME={TOOL_NO 0}\r\nPPDAT4={VEL 100}\r\n",
       ";FOLD PTP HOME Vel=100 % PDAT4;%P 7:PDAT4\nPDAT_ACT=PPDAT4\n",
       {5, 9}},
      {"frame data of an auxiliary point alone",
       "XP3",
       "XC9",
       "FP3={TOOL_NO 1}",
       "CIRC\n",
       "FC9={TOOL_NO 1}\r\n\r\n",
       "CIRC\n",
       {4, 9}},
  };
  for (const Case& c : cases) {
    LineRecord record;
    record.Syntax = 2;
    record.Text = Crlf(c.text);
    record.MotionData = c.data;
    MotionDataCounters counters{4, 9};
    RenameMotionData(c.old_point, c.new_point, counters, record, MotionDataSlot::kFirst);
    EXPECT_EQ(record.MotionData, c.expected_data) << c.name;
    EXPECT_EQ(record.Text, Crlf(c.expected_text)) << c.name;
    EXPECT_EQ(counters.pdat, c.expected_next.pdat) << c.name;
    EXPECT_EQ(counters.lcpdat, c.expected_next.lcpdat) << c.name;
  }
}

}  // namespace
}  // namespace velmora

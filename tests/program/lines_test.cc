#include "program/lines.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/test_support.h"

namespace velmora {
namespace {

using test::Crlf;

TEST(PopLine, SplitsAtCrAndDropsOneLf) {
  struct Case {
    std::string text, line, rest;
  } cases[] = {
      {"a\r\nb", "a", "b"},
      {"a\rb", "a", "b"},
      {"a\r\n\nb", "a", "\nb"},
      {"no line end", "no line end", ""},
      {"\r\n", "", ""},
      {"", "", ""},
      {"lf\nonly\r\n", "lf\nonly", ""},
  };
  for (const Case& c : cases) {
    std::string_view text = c.text;
    EXPECT_EQ(PopLine(text), c.line) << c.text;
    EXPECT_EQ(text, c.rest) << c.text;
  }
}

TEST(ReadHeader, TakesLinesUpToTheDefLine) {
  struct Case {
    std::string text, header, rest;
  } cases[] = {
      {"&ACCESS RVP\n&REL 1\n  DEF p( )\nEND\n", "&ACCESS RVP\n&REL 1\n  DEF p( )\n", "END\n"},
      {"GLOBAL DEFX\nDEF p()\n", "GLOBAL DEFX\nDEF p()\n", ""},
      {"def lower( )\nEND", "def lower( )\nEND\n", ""},  // "DEF " is upper case
      {"&ACCESS RVP\nno def here", "&ACCESS RVP\nno def here\n", ""},
  };
  for (const Case& c : cases) {
    std::string src = Crlf(c.text);
    std::string_view text = src;
    EXPECT_EQ(ReadHeader(text), Crlf(c.header)) << c.text;
    EXPECT_EQ(text, Crlf(c.rest)) << c.text;
  }
}

std::vector<std::string> LogicalLines(const std::string& lf_text) {
  std::string src = Crlf(lf_text);
  std::string_view text = src;
  std::vector<std::string> lines;
  while (!text.empty()) lines.push_back(NextLogicalLine(text));
  return lines;
}

TEST(NextLogicalLine, CutsStatementsCommentsAndWholeFolds) {
  struct Case {
    const char* name;
    std::string text;
    std::vector<std::string> lines;
  } cases[] = {
      {"statements and comments", "  a=1\n; note \nEND", {"a=1\n", "; note\n", "END\n"}},
      {"blank line of its own", "a\n\nb\n", {"a\n", "\n", "b\n"}},
      {"fold indents statements by four blanks",
       "  ;FOLD x\n\t  PTP XP1\n  ;c\n\n ;ENDFOLD\nEND\n",
       {";FOLD x\n    PTP XP1\n;c\n    \n;ENDFOLD\n", "END\n"}},
      {"fold markers in any case", "; fold a\nx\n;EndFold\n", {"; fold a\n    x\n;EndFold\n"}},
      {"three levels stay one logical line",
       ";FOLD 1\n;FOLD 2\n;FOLD 3\nx\n;ENDFOLD\n;ENDFOLD\n;ENDFOLD\ny\n",
       {";FOLD 1\n;FOLD 2\n;FOLD 3\n    x\n;ENDFOLD\n;ENDFOLD\n;ENDFOLD\n", "y\n"}},
      {"fourth level starts a logical line of its own",
       ";FOLD 1\n;FOLD 2\n;FOLD 3\n;FOLD 4\nx\n;ENDFOLD\ny\n;ENDFOLD\n;ENDFOLD\n;ENDFOLD\n",
       {";FOLD 1\n;FOLD 2\n;FOLD 3\n", ";FOLD 4\n    x\n;ENDFOLD\n", "y\n", ";ENDFOLD\n",
        ";ENDFOLD\n", ";ENDFOLD\n"}},
      {"stray ENDFOLD kept", "a\n;ENDFOLD\nb\n", {"a\n", ";ENDFOLD\n", "b\n"}},
      {"unclosed fold keeps its lines", ";FOLD open\nx", {";FOLD open\n    x\n"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> expected;
    for (const std::string& line : c.lines) expected.push_back(Crlf(line));
    EXPECT_EQ(LogicalLines(c.text), expected) << c.name;
  }
}

}  // namespace
}  // namespace velmora

#include "geometry/first_occurrence.h"

#include <random>

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace velmora {
namespace {

struct Case {
  std::string text;
  std::vector<std::pair<std::string, std::string>> pairs;
};

void ExpectSameAsStraight(const Case& c) {
  std::vector<Replacement> replacements;
  for (const auto& [from, to] : c.pairs) replacements.push_back({from, to});
  std::string fast = c.text, straight = c.text;
  std::vector<bool> fast_found = ReplaceFirstOccurrences(fast, replacements);
  std::vector<bool> straight_found = ReplaceFirstOccurrencesStraight(straight, replacements);
  ASSERT_EQ(fast, straight) << c.text;
  EXPECT_EQ(fast_found, straight_found);
}

TEST(FirstOccurrenceTest, HandPickedTraps) {
  const Case cases[] = {
      // The first occurrence is inside a longer name (AXP1 holds XP1=...).
      {test::Crlf("DECL E6POS AXP1={X 1}\nDECL E6POS XP1={X 1}\n"), {{"XP1={X 1}", "XP1={X 2}"}}},
      // The same point twice: the second replacement finds nothing.
      {test::Crlf("DECL E6POS XP1={X 1}\n"),
       {{"XP1={X 1}", "XP1={X 2}"}, {"XP1={X 1}", "XP1={X 3}"}}},
      // A new text creates the occurrence a later replacement finds.
      {test::Crlf("DECL E6POS XP1={X 1}\nDECL E6POS XP2={X 5}\n"),
       {{"XP1={X 1}", "XP2={X 5} ;XP1={X 1}"}, {"XP2={X 5}", "XP2={X 6}"}}},
      // A swap through each other's texts.
      {test::Crlf("P1={A}\nP2={B}\n"),
       {{"P1={A}", "P1={B}"}, {"P1={B}", "P1={C}"}, {"P2={B}", "P2={A}"}}},
      // Line breaks in a text make the pass take the straight loop.
      {test::Crlf("X1={1}\nX2={2}\n"), {{"X1={1}\r\nX2", "Y"}}},
      {"no breaks X1={1} X1={1}", {{"X1={1}", "X1={22}"}, {"X1={1}", "Z"}}},
      // Empty old texts are never replaced; names with blanks take the straight loop.
      {"A={1}", {{"", "B"}, {"A B={1}", "C"}, {"A={1}", "A={2}"}}},
      // Lone CR and LF line ends stay.
      {"P1={1}\rP2={2}\nP1={1}\r\n", {{"P1={1}", "P1={9}"}, {"P1={1}", "P1={8}"}}},
  };
  for (const Case& c : cases) ExpectSameAsStraight(c);
}

TEST(FirstOccurrenceTest, RandomTextsAgreeWithTheStraightLoop) {
  std::mt19937 random(11);
  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  const std::string names[] = {"P1", "XP1", "MP1", "P", "XP", "AXP1", "P11", "X"};
  const std::string values[] = {"{1}", "{2}", "{1,2}", "{}", "{X 1}"};
  const std::string breaks[] = {"\r\n", "\n", "\r", " ", " ;"};
  for (int round = 0; round < 2000; ++round) {
    Case c;
    int lines = 1 + pick(6);
    for (int i = 0; i < lines; ++i) {
      if (pick(4) == 0) c.text += "DECL E6POS ";
      c.text += names[pick(8)] + "=" + values[pick(5)] + breaks[pick(5)];
    }
    int count = 1 + pick(6);
    for (int i = 0; i < count; ++i) {
      std::string from = names[pick(8)] + "=" + values[pick(5)];
      std::string to = names[pick(8)] + "=" + values[pick(5)];
      if (pick(5) == 0) to += " " + names[pick(8)] + "=" + values[pick(5)];
      c.pairs.emplace_back(from, to);
    }
    ExpectSameAsStraight(c);
    if (HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace velmora

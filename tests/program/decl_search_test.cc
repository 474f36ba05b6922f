// The indexed searches of a load must give exactly the straight searches' first matches.
#include "program/decl_search.h"

#include <gtest/gtest.h>

#include <set>

#include "program/declarations.h"
#include "program/master_list.h"
#include "program/motion.h"
#include "support/test_support.h"

namespace velmora {
namespace {

using test::Crlf;

// Names that hide inside other names, repeated keys, keyword suffixes ("POS" in "E6POS"),
// names holding "={" or tabs, a name after two blanks, keys without a declaration line.
const std::string kTricky = Crlf(
    "DECL E6POS XP1={X 1}\n"
    "DECL E6POS XXP1={X 2}\n"
    "DECL POS XP1={X 3}\n"
    "DECL E6POS XP1={X 4}\n"
    "DECL E6POS  XP2={X 5}\n"
    "DECL E6POS A={B={X 6}\n"
    "DECL E6POS TAB\tNAME={X 7}\n"
    "DECL E6AXIS MP1={A1 1}\n"
    "DECL AXIS MP1={A1 2}\n"
    "; E6POS XP3={ inside a comment, PDAT PP={\n"
    "DECL FDAT FP1={TOOL_NO 1} FDAT FP2={\n"
    "DECL PDAT PPDAT1={VEL 1}\n"
    "DECL LDAT LCPDAT1={VEL 2}\n"
    "DECL FDAT F={X}\n"
    "E6POS ={x}\n"
    "DECL E6POS MXP1=MP1=X\n"
    "DECL E6POS MP11={X 8}\n"
    "DECL E6POS P1={X 9}\n"
    "DECL E6POS SPACE NAME={X 10}\n"
    "E6POS" +
    std::string(300, 'L') + "={X 11}\n");

// Every token of the fixture and its pieces, as candidate names.
std::set<std::string> CandidateNames() {
  std::set<std::string> names = {"", "SPACE NAME", " XP2", "XP2 ", std::string(300, 'L')};
  for (size_t i = 0; i < kTricky.size(); ++i) {
    for (size_t n = 1; n <= 8 && i + n <= kTricky.size(); ++n) names.insert(kTricky.substr(i, n));
  }
  return names;
}

TEST(DeclSearch, IndexGivesTheStraightSearchesFirstMatch) {
  const std::vector<std::string_view> keywords = {
      "E6POS", "E3POS", "POS", "E6AXIS", "AXIS", "FDAT", "DECL PDAT", "DECL LDAT", "DECL FDAT"};
  DeclSearch straight(kTricky);
  DeclSearch indexed(kTricky);
  indexed.BuildIndex(keywords);
  int found = 0;
  for (const std::string& name : CandidateNames()) {
    for (std::string_view keyword : keywords) {
      size_t expected = straight.Find(keyword, name);
      EXPECT_EQ(indexed.Find(keyword, name), expected) << keyword << " [" << name << "]";
      found += expected != std::string::npos;
    }
  }
  EXPECT_GT(found, 20);  // the fixture does exercise matches
}

TEST(MasterSearch, IndexGivesTheStraightScansFirstLine) {
  const std::string masters = MasterDeclarationLines(kTricky) + kTricky;
  MasterSearch straight(masters);
  MasterSearch indexed(masters);
  indexed.BuildIndex();
  int found = 0;
  for (const std::string& s : CandidateNames()) {
    auto expected = straight.FirstLineWith(s);
    auto actual = indexed.FirstLineWith(s);
    ASSERT_EQ(actual.has_value(), expected.has_value()) << "[" << s << "]";
    if (expected) {
      EXPECT_EQ(actual->data(), expected->data()) << "[" << s << "]";  // the same line
      ++found;
    }
  }
  EXPECT_GT(found, 20);
}

TEST(PositionsLookup, IndexedAndStraightAgreeOnUpperCasedNames) {
  PositionsLookup straight(kTricky, false);
  PositionsLookup indexed(kTricky, true);
  for (const std::string& name : CandidateNames()) {
    std::string a, b;
    EXPECT_EQ(straight.Find(name, &a), indexed.Find(name, &b)) << name;
    EXPECT_EQ(a, b) << name;
  }
}

}  // namespace
}  // namespace velmora

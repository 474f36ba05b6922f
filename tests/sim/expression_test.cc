#include "sim/expression.h"

#include <map>

#include <gtest/gtest.h>

namespace velmora::sim {
namespace {

class ExpressionTest : public ::testing::Test {
 protected:
  ExpressionTest() {
    hooks_.read = [this](const VarRef& ref, Value* value, SimError* error) {
      auto found = variables_.find(ref.Key());
      if (found == variables_.end()) {
        *error = MakeError(ErrorNo::kUnknownVariable, "VAR_UNKNOWN", "", {ref.Key()});
        return false;
      }
      *value = found->second;
      return true;
    };
    hooks_.forward = [this](const Aggregate& axes, Value* pos, SimError*) {
      calls_.push_back("FORWARD " + DataForm(axes));
      *pos = {"E6POS", "{X 1.0}"};
      return true;
    };
    hooks_.inverse = [this](const Aggregate& pos, const std::optional<Aggregate>& start,
                            Value* axes, SimError*) {
      calls_.push_back("INVERSE " + DataForm(pos) + (start ? " " + DataForm(*start) : ""));
      *axes = {"E6AXIS", "{A1 1.0}"};
      return true;
    };
  }
  std::string Eval(const std::string& text) {
    Value value;
    SimError error;
    if (!Evaluate(text, hooks_, &value, &error)) return "error " + error.cause;
    return value.type + " " + value.text;
  }

  ExpressionHooks hooks_;
  std::map<std::string, Value> variables_ = {
      {"F", {"FRAME", "{X 10.0,Y 0.0,Z 0.0,A 90.0,B 0.0,C 0.0}"}},
      {"P[2]", {"E6POS", "{X 1.0,Y 0.0,Z 0.0,A 0.0,B 0.0,C 0.0,S 6,T 21,E1 5.0}"}},
      {"$AXIS_ACT", {"E6AXIS", "{A1 3.0,A2 4.0}"}},
  };
  std::vector<std::string> calls_;
};

TEST_F(ExpressionTest, Literals) {
  struct Case {
    const char* text;
    const char* result;
  } cases[] = {
      {"42", "INT 42"},
      {"-1.50", "REAL -1.5"},
      {"1E2", "REAL 100.0"},
      {"TRUE", "BOOL TRUE"},
      {"#tcp", "ENUM #TCP"},
      {"\"a, b\"", "CHAR \"a, b\""},
      {"{X 1,Y 2}", "FRAME {X 1,Y 2}"},
      {"{E6POS: X 1, S 2}", "E6POS {X 1,S 2}"},
      {"{A1 0,E1 0}", "E6AXIS {A1 0,E1 0}"},
      {" ( F ) ", "FRAME {X 10.0,Y 0.0,Z 0.0,A 90.0,B 0.0,C 0.0}"},
      {"p[ 2 ]", "E6POS {X 1.0,Y 0.0,Z 0.0,A 0.0,B 0.0,C 0.0,S 6,T 21,E1 5.0}"},
  };
  for (const Case& c : cases) EXPECT_EQ(Eval(c.text), c.result) << c.text;
}

TEST_F(ExpressionTest, FrameOperatorAndInverse) {
  // F turns by 90 degrees about Z and moves 10 along X: F:P puts P's X along F's Y.
  EXPECT_EQ(Eval("F:P[2]"), "E6POS {X 10.0,Y 1.0,Z 0.0,A 90.0,B 0.0,C 0.0,S 6,T 21,E1 5.0}");
  EXPECT_EQ(Eval("INV_POS(F)"), "FRAME {X 0.0,Y 10.0,Z 0.0,A -90.0,B 0.0,C 0.0}");
  EXPECT_EQ(Eval("INV_POS(F):F"), "FRAME {X 0.0,Y 0.0,Z 0.0,A 0.0,B 0.0,C 0.0}");
  EXPECT_EQ(Eval("INV_POS (P[2])"), "E6POS {X -1.0,Y 0.0,Z 0.0,A 0.0,B 0.0,C 0.0,S 6,T 21,E1 5.0}");
}

TEST_F(ExpressionTest, KinematicsGoToTheHooksWithoutTheStatus) {
  EXPECT_EQ(Eval("FORWARD ($AXIS_ACT, STATUS)"), "E6POS {X 1.0}");
  EXPECT_EQ(Eval("INVERSE (P[2], 0)"), "E6AXIS {A1 1.0}");
  EXPECT_EQ(Eval("INVERSE ({X 5}, {A1 0, A2 1},0)"), "E6AXIS {A1 1.0}");
  EXPECT_EQ(calls_, (std::vector<std::string>{
                        "FORWARD {A1 3.0,A2 4.0}",
                        "INVERSE {X 1.0,Y 0.0,Z 0.0,A 0.0,B 0.0,C 0.0,S 6,T 21,E1 5.0}",
                        "INVERSE {X 5} {A1 0,A2 1}"}));
}

TEST_F(ExpressionTest, Errors) {
  struct Case {
    const char* text;
    const char* result;
  } cases[] = {
      {"", "error SYNTAX"},
      {"F:", "error SYNTAX"},
      {"F G", "error SYNTAX"},
      {"(F", "error SYNTAX"},
      {"{X 1", "error SYNTAX"},
      {"INV_POS(F, F)", "error SYNTAX"},
      {"INV_POS($AXIS_ACT)", "error SYNTAX"},
      {"F:$AXIS_ACT", "error SYNTAX"},
      {"F:42", "error SYNTAX"},
      {"FORWARD ($AXIS_ACT)", "error SYNTAX"},
      {"NOPE", "error VAR_UNKNOWN"},
      {"F:NOPE", "error VAR_UNKNOWN"},
  };
  for (const Case& c : cases) EXPECT_EQ(Eval(c.text), c.result) << c.text;
  // Deep nesting is refused instead of exhausting the stack.
  EXPECT_EQ(Eval(std::string(5000, '(') + "F" + std::string(5000, ')')), "error SYNTAX");
  EXPECT_EQ(Eval(std::string(100000, 'F')), "error SYNTAX");
}

}  // namespace
}  // namespace velmora::sim

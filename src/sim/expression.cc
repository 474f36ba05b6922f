#include "sim/expression.h"

#include <cctype>

#include "base/strings.h"
#include "sim/pose.h"

namespace velmora::sim {
namespace {

constexpr size_t kMaxLength = 64 * 1024;
constexpr int kMaxDepth = 64;

class Parser {
 public:
  Parser(std::string_view text, const ExpressionHooks& hooks) : text_(text), hooks_(hooks) {}

  bool Parse(Value* value, SimError* error) {
    if (text_.size() > kMaxLength) return Fail(error, "expression too long");
    if (!Expr(value, error)) return false;
    Skip();
    if (pos_ != text_.size()) return Fail(error, "unexpected text after the expression");
    return true;
  }

 private:
  bool Fail(SimError* error, std::string why) {
    *error = MakeError(ErrorNo::kSyntax, "SYNTAX", std::move(why), {std::string(text_)});
    return false;
  }
  void Skip() {
    while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
  }
  bool Peek(char c) {
    Skip();
    return pos_ < text_.size() && text_[pos_] == c;
  }

  bool Expr(Value* value, SimError* error) {
    if (++depth_ > kMaxDepth) return Fail(error, "expression nested too deeply");
    if (!Term(value, error)) return false;
    while (Peek(':')) {
      ++pos_;
      Value right;
      if (!Term(&right, error)) return false;
      if (!Compose(*value, right, value, error)) return false;
    }
    --depth_;
    return true;
  }

  // The text up to the matching closing character, quotes and nesting respected.
  bool Balanced(char open, char close, std::string_view* inside, SimError* error) {
    size_t start = pos_;
    int depth = 0;
    bool quoted = false;
    for (; pos_ < text_.size(); ++pos_) {
      char c = text_[pos_];
      if (c == '"') quoted = !quoted;
      if (quoted) continue;
      if (c == open) ++depth;
      if (c == close && --depth == 0) {
        *inside = text_.substr(start + 1, pos_ - start - 1);
        ++pos_;
        return true;
      }
    }
    return Fail(error, std::string("missing \"") + close + "\"");
  }

  bool Term(Value* value, SimError* error) {
    Skip();
    if (pos_ >= text_.size()) return Fail(error, "value expected");
    char c = text_[pos_];
    if (c == '(') {
      ++pos_;
      if (!Expr(value, error)) return false;
      if (!Peek(')')) return Fail(error, "missing \")\"");
      ++pos_;
      return true;
    }
    if (c == '{') {
      size_t start = pos_;
      std::string_view inside;
      if (!Balanced('{', '}', &inside, error)) return false;
      auto aggregate = ParseAggregate(text_.substr(start, pos_ - start));
      if (!aggregate) return Fail(error, "malformed aggregate");
      value->type = aggregate->type.empty() ? InferType(*aggregate) : aggregate->type;
      if (value->type.empty()) value->type = "STRUCT";
      value->text = DataForm(*aggregate);
      return true;
    }
    if (c == '"') {
      size_t close = text_.find('"', pos_ + 1);
      if (close == std::string_view::npos) return Fail(error, "missing closing quote");
      *value = {"CHAR", std::string(text_.substr(pos_, close - pos_ + 1))};
      pos_ = close + 1;
      return true;
    }
    if (c == '#') {
      size_t start = pos_++;
      while (pos_ < text_.size() && IsWord(text_[pos_])) ++pos_;
      if (pos_ == start + 1) return Fail(error, "enumeration value expected");
      *value = {"ENUM", ToUpper(text_.substr(start, pos_ - start))};
      return true;
    }
    if (std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '+' || c == '.') {
      size_t start = pos_++;
      while (pos_ < text_.size() &&
             (std::isalnum(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '.' ||
              ((text_[pos_] == '-' || text_[pos_] == '+') &&
               (text_[pos_ - 1] == 'E' || text_[pos_ - 1] == 'e'))))
        ++pos_;
      std::string number(text_.substr(start, pos_ - start));
      auto real = ParseReal(number);
      if (!real) return Fail(error, "malformed number");
      bool integral = number.find_first_of(".eE") == std::string::npos;
      *value = {integral ? "INT" : "REAL",
                integral ? std::to_string(static_cast<long long>(*real)) : FormatReal(*real)};
      return true;
    }
    if (!IsWord(c)) return Fail(error, "value expected");
    size_t start = pos_;
    while (pos_ < text_.size() && IsWord(text_[pos_])) ++pos_;
    std::string word = ToUpper(text_.substr(start, pos_ - start));
    if (word == "INV_POS" || word == "FORWARD" || word == "INVERSE") {
      if (!Peek('(')) return Fail(error, "\"(\" expected after " + word);
      std::string_view inside;
      if (!Balanced('(', ')', &inside, error)) return false;
      return Function(word, inside, value, error);
    }
    if (word == "TRUE" || word == "FALSE") {
      *value = {"BOOL", word};
      return true;
    }
    // A variable, with an optional index.
    Skip();
    if (pos_ < text_.size() && text_[pos_] == '[') {
      std::string_view inside;
      if (!Balanced('[', ']', &inside, error)) return false;
      word += "[" + Trim(inside) + "]";
    }
    auto ref = ParseVarRef(word);
    if (!ref) return Fail(error, "malformed variable name");
    return hooks_.read(*ref, value, error);
  }

  static bool IsWord(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$';
  }

  // Top-level arguments of a call.
  static std::vector<std::string_view> Arguments(std::string_view inside) {
    std::vector<std::string_view> args;
    int depth = 0;
    bool quoted = false;
    size_t start = 0;
    for (size_t i = 0; i < inside.size(); ++i) {
      char c = inside[i];
      if (c == '"') quoted = !quoted;
      if (quoted) continue;
      if (c == '{' || c == '(' || c == '[') ++depth;
      if (c == '}' || c == ')' || c == ']') --depth;
      if (c == ',' && depth == 0) {
        args.push_back(inside.substr(start, i - start));
        start = i + 1;
      }
    }
    args.push_back(inside.substr(start));
    return args;
  }

  bool Sub(std::string_view text, Value* value, SimError* error) {
    Parser inner(text, hooks_);
    inner.depth_ = depth_;
    return inner.Parse(value, error);
  }

  bool AggregateOf(const Value& value, Aggregate* aggregate, SimError* error) {
    auto parsed = ParseAggregate(value.text);
    if (!parsed) return Fail(error, "aggregate value expected");
    *aggregate = std::move(*parsed);
    return true;
  }

  bool Function(const std::string& name, std::string_view inside, Value* value, SimError* error) {
    auto args = Arguments(inside);
    if (name == "INV_POS") {
      if (args.size() != 1) return Fail(error, "INV_POS takes one frame");
      Value operand;
      Aggregate aggregate;
      if (!Sub(args[0], &operand, error) || !AggregateOf(operand, &aggregate, error)) return false;
      auto frame = FrameOf(aggregate);
      if (!frame || ComponentsOf(operand.type).empty() || operand.type.ends_with("AXIS"))
        return Fail(error, "INV_POS needs a frame or a position");
      SetFrame(&aggregate, ToFrame(ToTransform(*frame).inverse()));
      *value = {operand.type, DataForm(aggregate)};
      return true;
    }
    if (name == "FORWARD") {
      if (args.size() != 2) return Fail(error, "FORWARD takes an axis value and a status");
      Value axes;
      Aggregate aggregate;
      if (!Sub(args[0], &axes, error) || !AggregateOf(axes, &aggregate, error)) return false;
      return hooks_.forward(aggregate, value, error);
    }
    // INVERSE (pos, status) or INVERSE (pos, start axis, status)
    if (args.size() != 2 && args.size() != 3)
      return Fail(error, "INVERSE takes a position, an optional start axis value and a status");
    Value pos;
    Aggregate pos_aggregate;
    if (!Sub(args[0], &pos, error) || !AggregateOf(pos, &pos_aggregate, error)) return false;
    std::optional<Aggregate> start;
    if (args.size() == 3) {
      Value axes;
      start.emplace();
      if (!Sub(args[1], &axes, error) || !AggregateOf(axes, &*start, error)) return false;
    }
    return hooks_.inverse(pos_aggregate, start, value, error);
  }

  bool Compose(const Value& left, const Value& right, Value* result, SimError* error) {
    Aggregate l, r;
    if (!AggregateOf(left, &l, error) || !AggregateOf(right, &r, error)) return false;
    auto lf = FrameOf(l);
    auto rf = FrameOf(r);
    if (!lf || !rf || ComponentsOf(left.type).empty() || ComponentsOf(right.type).empty() ||
        left.type.ends_with("AXIS") || right.type.ends_with("AXIS"))
      return Fail(error, "\":\" needs frames or positions on both sides");
    SetFrame(&r, ToFrame(ToTransform(*lf) * ToTransform(*rf)));
    *result = {right.type, DataForm(r)};
    return true;
  }

  std::string_view text_;
  const ExpressionHooks& hooks_;
  size_t pos_ = 0;
  int depth_ = 0;
};

}  // namespace

bool Evaluate(std::string_view text, const ExpressionHooks& hooks, Value* value, SimError* error) {
  return Parser(text, hooks).Parse(value, error);
}

}  // namespace velmora::sim

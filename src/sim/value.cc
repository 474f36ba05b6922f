#include "sim/value.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>

#include "base/strings.h"

namespace velmora::sim {
namespace {

const std::map<std::string, std::vector<std::string>, std::less<>>& GeometricTypes() {
  static const auto* types = [] {
    auto* t = new std::map<std::string, std::vector<std::string>, std::less<>>;
    std::vector<std::string> frame{"X", "Y", "Z", "A", "B", "C"};
    std::vector<std::string> pos = frame;
    pos.insert(pos.end(), {"S", "T"});
    std::vector<std::string> axis{"A1", "A2", "A3", "A4", "A5", "A6"};
    auto with_externals = [](std::vector<std::string> base, int count) {
      for (int i = 1; i <= count; ++i) base.push_back("E" + std::to_string(i));
      return base;
    };
    (*t)["FRAME"] = frame;
    (*t)["POS"] = pos;
    (*t)["E3POS"] = with_externals(pos, 3);
    (*t)["E6POS"] = with_externals(pos, 6);
    (*t)["AXIS"] = axis;
    (*t)["E3AXIS"] = with_externals(axis, 3);
    (*t)["E6AXIS"] = with_externals(axis, 6);
    return t;
  }();
  return *types;
}

bool IsIntegerText(std::string_view text) {
  std::string t = Trim(text);
  if (!t.empty() && (t[0] == '-' || t[0] == '+')) t.erase(0, 1);
  return !t.empty() && std::all_of(t.begin(), t.end(), [](char c) {
    return std::isdigit(static_cast<unsigned char>(c));
  });
}

bool IsIdentifierText(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$';
  });
}

SimError Mismatch(std::string_view type, std::string_view text) {
  return MakeError(ErrorNo::kTypeMismatch, "TYPE_MISMATCH", "the value does not fit the type",
                   {std::string(type), std::string(text)});
}

// A component value of a geometric type: S and T whole numbers, the rest reals.
bool NormaliseComponent(const std::string& name, const std::string& text, std::string* out) {
  if (name == "S" || name == "T") {
    if (IsIntegerText(text)) {
      *out = std::to_string(std::stol(Trim(text)));
      return true;
    }
    if (auto real = ParseReal(text); real && *real == static_cast<long>(*real)) {
      *out = std::to_string(static_cast<long>(*real));
      return true;
    }
    return false;
  }
  auto real = ParseReal(text);
  if (!real) return false;
  *out = FormatReal(*real);
  return true;
}

}  // namespace

std::string VarRef::Key() const {
  return index ? name + "[" + std::to_string(*index) + "]" : name;
}

std::optional<VarRef> ParseVarRef(std::string_view text) {
  std::string t = ToUpper(Trim(text));
  VarRef ref;
  auto bracket = t.find('[');
  if (bracket == std::string::npos) {
    if (!IsIdentifierText(t) || std::isdigit(static_cast<unsigned char>(t[0]))) return std::nullopt;
    ref.name = t;
    return ref;
  }
  if (t.back() != ']') return std::nullopt;
  ref.name = Trim(std::string_view(t).substr(0, bracket));
  if (!IsIdentifierText(ref.name) || std::isdigit(static_cast<unsigned char>(ref.name[0])))
    return std::nullopt;
  std::string inside = Trim(std::string_view(t).substr(bracket + 1, t.size() - bracket - 2));
  if (inside.empty()) {
    ref.whole_array = true;
    return ref;
  }
  int index = 0;
  auto [end, ec] = std::from_chars(inside.data(), inside.data() + inside.size(), index);
  if (ec != std::errc() || end != inside.data() + inside.size()) return std::nullopt;
  ref.index = index;
  return ref;
}

Kind KindOf(std::string_view type) {
  std::string t = ToUpper(type);
  if (t == "INT") return Kind::kInt;
  if (t == "REAL") return Kind::kReal;
  if (t == "BOOL") return Kind::kBool;
  if (t == "CHAR") return Kind::kChar;
  if (t == "IPO_MODE" || t == "PRO_STATE" || t == "MODE_OP" || t == "ENUM") return Kind::kEnum;
  return Kind::kStruct;
}

const std::vector<std::string>& ComponentsOf(std::string_view type) {
  static const std::vector<std::string> none;
  auto found = GeometricTypes().find(ToUpper(type));
  return found == GeometricTypes().end() ? none : found->second;
}

std::string InferType(const Aggregate& value) {
  if (value.Find("A1")) return value.Find("E1") ? "E6AXIS" : "AXIS";
  bool cartesian = false;
  for (const char* name : {"X", "Y", "Z", "A", "B", "C"}) cartesian = cartesian || value.Find(name);
  if (!cartesian) return "";
  if (value.Find("E1")) return "E6POS";
  if (value.Find("S") || value.Find("T")) return "POS";
  return "FRAME";
}

std::string AnswerText(const Value& value) {
  if (KindOf(value.type) != Kind::kStruct) return value.text;
  auto aggregate = ParseAggregate(value.text);
  if (!aggregate) return value.text;
  aggregate->type = value.type;
  const auto& order = ComponentsOf(value.type);
  if (!order.empty()) {
    Aggregate sorted{value.type, {}};
    for (const auto& name : order) {
      if (const std::string* v = aggregate->Find(name)) {
        std::string normal;
        sorted.components.emplace_back(name, NormaliseComponent(name, *v, &normal) ? normal : *v);
      }
    }
    return AnswerForm(sorted);
  }
  return AnswerForm(*aggregate);
}

bool Assign(std::string_view type_in, std::string_view current, const Value& value, Value* result,
            SimError* error) {
  const std::string type = ToUpper(type_in);
  const std::string text = Trim(value.text);
  result->type = type;
  switch (KindOf(type)) {
    case Kind::kInt:
      if (!IsIntegerText(text)) break;
      result->text = std::to_string(std::stoll(text));
      return true;
    case Kind::kReal:
      if (auto real = ParseReal(text)) {
        result->text = FormatReal(*real);
        return true;
      }
      break;
    case Kind::kBool:
      if (EqualsNoCase(text, "TRUE") || EqualsNoCase(text, "FALSE")) {
        result->text = ToUpper(text);
        return true;
      }
      break;
    case Kind::kEnum:
      if (text.size() > 1 && text[0] == '#' && IsIdentifierText(text.substr(1))) {
        result->text = ToUpper(text);
        return true;
      }
      break;
    case Kind::kChar:
      if (text.size() >= 2 && text.front() == '"' && text.back() == '"' &&
          text.find('"', 1) == text.size() - 1) {
        result->text = text;
        return true;
      }
      break;
    case Kind::kStruct: {
      auto incoming = ParseAggregate(text);
      if (!incoming) break;
      Aggregate merged;
      if (!Trim(current).empty()) {
        auto old = ParseAggregate(current);
        if (old) merged = *old;
      }
      merged.type.clear();
      const auto& allowed = ComponentsOf(type);
      // A position given to a frame (or the other way) keeps only the components that fit;
      // axis values and Cartesian values do not mix.
      const std::string source_type =
          incoming->type.empty() ? InferType(*incoming) : incoming->type;
      const bool geometric_source = !ComponentsOf(source_type).empty();
      if (geometric_source && !allowed.empty() &&
          source_type.ends_with("AXIS") != type.ends_with("AXIS")) {
        *error = Mismatch(type, text);
        return false;
      }
      for (const auto& [name, v] : incoming->components) {
        std::string normal = v;
        if (!allowed.empty()) {
          bool known = std::find(allowed.begin(), allowed.end(), name) != allowed.end();
          if (!known && geometric_source) continue;
          if (!known || !NormaliseComponent(name, v, &normal)) {
            *error = Mismatch(type, text);
            return false;
          }
        }
        merged.Set(name, normal);
      }
      if (!allowed.empty()) {
        // Components in the type's order.
        Aggregate sorted;
        for (const auto& name : allowed) {
          if (const std::string* v = merged.Find(name)) sorted.components.emplace_back(name, *v);
        }
        if (sorted.components.empty()) break;
        merged = std::move(sorted);
      }
      result->text = DataForm(merged);
      return true;
    }
  }
  *error = Mismatch(type, text);
  return false;
}

}  // namespace velmora::sim

#include "program/declarations.h"

#include <charconv>

#include "base/app_context.h"
#include "base/numbers.h"
#include "base/strings.h"
#include "program/lines.h"
#include "program/program.h"
#include "program/text_view.h"

namespace velmora {

PositionsLookup::PositionsLookup(std::string_view positions, bool indexed)
    : positions_(positions), upper_(ToUpper(positions)), search_(upper_) {
  if (indexed) search_.BuildIndex({std::begin(kPointTypes), std::end(kPointTypes)});
}

bool PositionsLookup::Find(std::string_view name, std::string* declaration) const {
  std::string upper_name = ToUpper(name);
  for (std::string_view type : kPointTypes) {
    size_t at = search_.Find(type, upper_name);
    if (at == kNpos) continue;
    // The last declaration of a section has no line end once BuildDatText trimmed it; it is
    // read to the end of the section rather than lost.
    *declaration = std::string(UpToCrLf(positions_, at + type.size() + 1));
    return true;
  }
  return false;
}

std::string FindPointDecl(Program& program, std::string_view positions, std::string_view name) {
  return FindPointDecl(program, PositionsLookup(positions, false), name);
}

std::string FindPointDecl(Program& program, const PositionsLookup& positions,
                          std::string_view name) {
  std::string declaration;
  if (positions.Find(name, &declaration)) return declaration;
  AppContext& context = program.context();
  std::string value;
  if (context.ShowVar(name, &value)) return value;
  if (!context.messages.ready()) context.messages.SetUp(1);
  return std::string();
}

namespace {

// ReadNumber of a component value. Values as the controller writes them ("-12.5") are read
// with from_chars, which rounds exactly as ReadNumber's strtod does; anything else (blanks
// inside, exponents, a leading "+") goes to ReadNumber itself.
double ReadComponentNumber(std::string_view text) {
  size_t i = !text.empty() && text[0] == '-' ? 1 : 0;
  size_t digits = 0, point = 0;
  for (size_t n = i; n < text.size(); ++n) {
    if (text[n] >= '0' && text[n] <= '9') {
      ++digits;
    } else if (text[n] == '.' && point == 0 && digits > 0) {
      point = n;
    } else {
      return ReadNumber(text);
    }
  }
  if (digits == 0 || (point != 0 && point + 1 == text.size())) return ReadNumber(text);
  double value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() ? value : ReadNumber(text);
}

}  // namespace

double ComponentValue(std::string_view text, std::string_view key) {
  size_t brace = text.find('{');
  if (brace == kNpos) return 0;
  // The aggregate part, trimmed, begins with the "{": the key is searched from there.
  size_t at = FindPart(text, key, brace);
  if (at == kNpos) return 0;
  std::string_view t = TrimView(text.substr(at + key.size()));
  size_t end = t.find(',');
  if (end == kNpos) end = t.find('}');
  if (end == kNpos) return 0;
  return ReadComponentNumber(TrimView(t.substr(0, end)));
}

Pose6 CartesianComponents(std::string_view upper_text) {
  Pose6 pose{};
  if (HasPart(upper_text, "A1 ")) return pose;
  static constexpr std::string_view kKeys[] = {"X", "Y", "Z", "A", "B", "C"};
  for (size_t i = 0; i < pose.size(); ++i) pose[i] = ComponentValue(upper_text, kKeys[i]);
  return pose;
}

std::string ValueAfterEquals(std::string_view text) {
  size_t equals = text.find('=');
  return equals == kNpos ? std::string() : Trim(text.substr(equals + 1));
}

std::string ControllerValueToAggregate(std::string_view value) {
  size_t x = value.find("X ");
  if (x == kNpos) return std::string();
  return "{" + Trim(value.substr(x == 0 ? 0 : x - 1));
}

Pose6 ParseFrameText(std::string_view text) {
  Pose6 pose{};
  if (text.empty()) return pose;
  std::string s = Trim(ToUpper(text));
  s = s.size() >= 2 ? s.substr(1, s.size() - 2) : std::string();
  static constexpr std::string_view kKeys[] = {"X ", "Y ", "Z ", "A ", "B "};
  for (size_t i = 0; i < 5; ++i) {
    size_t at = s.find(kKeys[i]);
    if (at != kNpos) pose[i] = ReadNumber(UpTo(s, at + 1, ","));
  }
  if (size_t at = s.find("C "); at != kNpos) pose[5] = ReadNumber(Mid(s, at + 1));
  return pose;
}

bool AppendPositionDecl(Program& program, std::string_view text) {
  std::string upper = ToUpper(text);
  auto external = [&](std::string_view six, std::string_view three, std::string_view none) {
    if (!HasPart(upper, "E1 ")) return none;
    return HasPart(upper, "E6 ") ? six : three;
  };
  std::string_view type;
  if (HasPart(upper, "A1 ")) {
    type = external("DECL E6AXIS ", "DECL E3AXIS ", "DECL AXIS ");
  } else if (HasPart(upper, "X ")) {
    type = external("DECL E6POS ", "DECL E3POS ", "DECL POS ");
  } else {
    AppContext& context = program.context();
    context.AddMessage(context.AssistantText("Filetreatment"), "999",
                       "keine vernuenftige Deklaration!!!!!!");
    return false;
  }
  program.DatPositions.append(kCrLf).append(type).append(text).append(kCrLf);
  return true;
}

void AppendMotionDataDecls(Program& program, std::string_view lines) {
  std::string_view first = PopLine(lines);
  std::string_view second = lines;
  while (EndsWith(second, kCrLf)) second.remove_suffix(2);
  auto declare = [](std::string_view text) {
    if (StartsWith(text, "PP")) return "DECL PDAT " + std::string(text);
    if (StartsWith(text, "LC")) return "DECL LDAT " + std::string(text);
    return std::string(text);
  };
  std::string first_decl, second_decl;
  if (StartsWith(first, "F")) {
    first_decl = "DECL FDAT " + std::string(first);
    second_decl = declare(second);
  } else if (StartsWith(second, "F")) {
    first_decl = declare(first);
    second_decl = "DECL FDAT " + std::string(second);
  } else {
    first_decl = first;
    second_decl = second;
  }
  program.DatMotion.append(kCrLf).append(first_decl).append(kCrLf).append(second_decl);
}

}  // namespace velmora

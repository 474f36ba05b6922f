#include "commands/edit/new_names.h"

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string>

#include "base/strings.h"
#include "program/lines.h"
#include "program/program.h"

namespace velmora {
namespace {

// Numbers beyond this are not names we could count on from.
constexpr size_t kMaxDigits = 9;

// The number of a text that is only digits (blanks around it allowed).
std::optional<int> Digits(std::string_view text) {
  std::string t = Trim(text);
  if (t.empty() || t.size() > kMaxDigits) return std::nullopt;
  if (!std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  return std::stoi(t);
}

// The highest N of every "<lead><name prefix>N=" in the lines of `section` (upper-cased),
// where each lead is followed by one of the name prefixes; -1 when there is none.
int HighestNumber(std::string_view section, std::initializer_list<std::string_view> leads,
                  std::initializer_list<std::string_view> name_prefixes) {
  int highest = -1;
  while (!section.empty()) {
    const std::string line = ToUpper(PopLine(section));
    for (std::string_view lead : leads) {
      for (size_t at = line.find(lead); at != std::string::npos; at = line.find(lead, at + 1)) {
        const std::string_view rest = std::string_view(line).substr(at + lead.size());
        for (std::string_view prefix : name_prefixes) {
          if (!rest.starts_with(prefix)) continue;
          const size_t equals = rest.find('=');
          if (equals == std::string_view::npos) continue;
          if (auto n = Digits(rest.substr(prefix.size(), equals - prefix.size())))
            highest = std::max(highest, *n);
        }
      }
    }
  }
  return highest;
}

}  // namespace

int NextPointNumber(const Program& program, std::string_view prefix) {
  const std::string p(prefix);
  const std::string xp = "X" + p;
  const int points = HighestNumber(program.DatPositions, {"POS ", "AXIS "}, {p, xp});
  // A leftover frame-data declaration of a point would clash with the new point's frame data.
  const int frames = HighestNumber(program.DatMotion, {"FDAT F"}, {p});
  return std::max(points, frames) + 1;
}

MotionDataCounters NextMotionDataNumbers(const Program& program) {
  MotionDataCounters next;
  next.pdat = HighestNumber(program.DatMotion, {"PPDAT"}, {""}) + 1;
  next.lcpdat = HighestNumber(program.DatMotion, {"LCPDAT"}, {""}) + 1;
  next.pdat = std::max(next.pdat, 1);
  next.lcpdat = std::max(next.lcpdat, 1);
  return next;
}

}  // namespace velmora

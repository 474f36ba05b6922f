#include "geometry/axis_offset.h"

#include <charconv>

#include "base/numbers.h"
#include "base/strings.h"
#include "base/wildcard.h"
#include "geometry/position_text.h"
#include "geometry/robotmath/aggregate_parser.h"

namespace velmora {
namespace {

// A component text as a single-precision number, whichever of "." and "," it uses.
bool SingleValue(std::string text, float* value) {
  text = Trim(text);
  if (text.empty()) text = "0.0000";
  text = ToPointDecimal(text);
  std::string_view s = text;
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), *value);
  return ec == std::errc() && end == s.data() + s.size();
}

}  // namespace

std::string AddAxisOffset(std::string_view axis_value, std::string_view offset) {
  if (!MatchesPattern(axis_value,
                      "*{*A1*,*A2*,*A3*,*A4*,*A5*,*A6*,*E1*,*E2*,*E3*,*E4*,*E5*,*E6*}*") ||
      !MatchesPattern(offset, "*{*A1*,*A2*,*A3*,*A4*,*A5*,*A6*}*"))
    return std::string();
  AggregateParser axes, shift;
  if (!axes.Parse(axis_value) || !shift.Parse(offset)) return std::string();
  const std::string separator = LocaleDecimalSeparator();
  const bool known_separator = separator == "," || separator == ".";
  std::string sums[6], externals[6];
  for (int k = 0; k < 6; ++k) {
    std::string a, b;
    const std::string n = std::to_string(k + 1);
    if (!axes.GetValue("A" + n, &a) || !shift.GetValue("A" + n, &b) ||
        !axes.GetValue("E" + n, &externals[k]))
      return std::string();
    float x = 0, y = 0;
    if (!SingleValue(a, &x) || !SingleValue(b, &y)) return std::string();
    float sum = known_separator ? x + y : 0.0f;
    sums[k] = FormatNumber(static_cast<double>(sum));
  }
  std::string out = "{A1 " + sums[0];
  for (int k = 1; k < 6; ++k) out += ", A" + std::to_string(k + 1) + "  " + sums[k];
  out += ", E1 " + externals[0];
  for (int k = 1; k < 6; ++k) out += ", E" + std::to_string(k + 1) + "  " + externals[k];
  return out + "}";
}

}  // namespace velmora

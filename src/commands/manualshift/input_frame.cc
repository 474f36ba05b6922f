#include "commands/manualshift/input_frame.h"

#include <charconv>

#include "base/app_context.h"
#include "base/numbers.h"
#include "base/strings.h"
#include "base/wildcard.h"
#include "geometry/position_text.h"
#include "program/declarations.h"

namespace velmora {
namespace {

constexpr const char* kZeroBox = "0,0000";

// The general decimal text of a single-precision value (at most 7 significant digits, exponent
// form for very small or large magnitudes, "E" written in capitals) with the locale's separator.
std::string GeneralText(float value) {
  char buffer[32];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
  std::string text = error == std::errc() ? std::string(buffer, end) : std::string("0");
  for (char& c : text) {
    if (c == 'e') c = 'E';
  }
  const std::string separator = LocaleDecimalSeparator();
  const size_t point = text.find('.');
  if (point != std::string::npos && !separator.empty()) text.replace(point, 1, separator);
  return text;
}

// Zeros appended so that four decimals follow the mark at `mark`.
std::string FourDecimals(std::string text, size_t mark) {
  const size_t decimals = text.size() - mark - 1;
  if (decimals < 4) text.append(4 - decimals, '0');
  return text;
}

}  // namespace

bool UsesOnlyXyz(int state) {
  return state == kInputTtsFirst || state == kInputTtsSecond;
}

std::string FormatInputValue(float value) {
  const std::string t = GeneralText(value);
  if (MatchesPattern(t, "*#E-#*") || MatchesPattern(t, "*#E#*") || MatchesPattern(t, "*#E+#*")) {
    return t;
  }
  const std::string separator = LocaleDecimalSeparator();
  const size_t p = separator.empty() ? std::string::npos : t.find(separator);
  if (p != std::string::npos) {
    std::string decimals = t.substr(p) + "0000  ";
    return t.substr(0, p) + decimals.substr(0, 5);
  }
  if (const size_t point = t.find('.'); point != std::string::npos) return FourDecimals(t, point);
  if (const size_t comma = t.find(','); comma != std::string::npos) return FourDecimals(t, comma);
  return t + ",0000";
}

InputBoxes FillInputBoxes(std::string_view frame_text, int state, const InputBoxes& current) {
  const Pose6 values = ParseFrameText(frame_text);
  InputBoxes boxes = current;
  const size_t count = UsesOnlyXyz(state) ? 3 : 6;
  for (size_t i = 0; i < count; ++i) boxes[i] = FormatInputValue(static_cast<float>(values[i]));
  return boxes;
}

std::string NormalizeInputText(std::string_view text) {
  std::string normalized(text);
  const std::string separator = LocaleDecimalSeparator();
  const size_t mark = normalized.find_first_of(".,");
  if (mark != std::string::npos && !separator.empty()) normalized.replace(mark, 1, separator);
  return normalized;
}

BoxCheck CheckInputBox(AppContext& context, int index, std::string_view text) {
  // lang-key: "X = "
  // lang-key: "Y = "
  // lang-key: "Z = "
  // lang-key: "A = "
  // lang-key: "B = "
  // lang-key: "C = "
  static constexpr std::string_view kLetters[] = {"X = ", "Y = ", "Z = ", "A = ", "B = ", "C = "};
  BoxCheck check{NormalizeInputText(text), false};
  check.numeric = IsNumeric(check.text);
  if (!check.numeric && index >= 0 && index < 6) {
    context.AddMessage(context.AssistantText("Hotedit"), "300",
                       context.AssistantText(kLetters[index]) + check.text + " " +
                           context.AssistantText("is") + " " + context.AssistantText("False"));
  }
  return check;
}

OffsetEntry BuildOffsetText(int state, const InputBoxes& boxes) {
  OffsetEntry entry;
  entry.boxes = boxes;
  std::array<std::string, 6> numbers;
  numbers.fill("0");
  const size_t used = UsesOnlyXyz(state) ? 3 : 6;
  for (size_t i = 0; i < used; ++i) {
    std::string text = NormalizeInputText(boxes[i]);
    if (!IsNumeric(text)) text = kZeroBox;
    entry.boxes[i] = text;
    numbers[i] = AllCommasToPoints(FormatNumber(ReadNumber(ToPointDecimal(text))));
  }
  static constexpr std::string_view kCartesian[] = {"X ", "Y ", "Z ", "A ", "B ", "C "};
  static constexpr std::string_view kAxes[] = {"A1 ", "A2 ", "A3 ", "A4 ", "A5 ", "A6 "};
  const auto& keys = state == kInputAxis ? kAxes : kCartesian;
  entry.text = "{";
  for (size_t i = 0; i < 6; ++i) {
    if (i > 0) entry.text += ", ";
    entry.text.append(keys[i]).append(numbers[i]);
  }
  entry.text += "}";
  return entry;
}

}  // namespace velmora

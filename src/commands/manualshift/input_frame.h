#pragma once
// The six-box input frame that the manual shift and hot edit share. The window owns the boxes
// (InputX, InputY, InputZ, InputA, InputB, InputC); these functions take their texts and return
// what the boxes must show. Box texts use the locale's decimal separator (base/numbers.h), the
// offset texts handed to the shifts always ".".
#include <array>
#include <string>
#include <string_view>

namespace velmora {

struct AppContext;

// The box texts in the order X, Y, Z, A, B, C.
using InputBoxes = std::array<std::string, 6>;

// What the frame holds: the manual shift's modes 1 to 4 and hot edit's entries 1 to 3 and 7 to
// 10. The state keeps its last value when the frame closes.
inline constexpr int kInputBase = 1;
inline constexpr int kInputWorld = 2;
inline constexpr int kInputTcp = 3;
inline constexpr int kInputAxis = 4;
inline constexpr int kInputHotLimits = 7;
inline constexpr int kInputTtsFirst = 8;  // 8 and 9: the TTS entries, X, Y and Z only
inline constexpr int kInputTtsSecond = 9;
inline constexpr int kInputHotLast = 10;

// True in the states whose entries are X, Y and Z alone (A, B and C count as 0).
bool UsesOnlyXyz(int state);

// `FormatInputValue`: the text a box shows for a single-precision value: exactly four decimals
// after the locale's separator (cut, not rounded), "0,0000" for whole numbers, exponent forms as
// they are ("1E-05").
std::string FormatInputValue(float value);

// `FillInputBoxes`: the boxes for the X..C of a frame text "{X 1, Y 2, ...}"; in the states 8
// and 9 only X, Y and Z are set and A, B, C keep their `current` texts.
InputBoxes FillInputBoxes(std::string_view frame_text, int state, const InputBoxes& current);

// The box text with its first "." or "," turned into the locale's separator.
std::string NormalizeInputText(std::string_view text);

// The check made when a box loses the focus.
struct BoxCheck {
  std::string text;  // what the box shows now (normalised)
  bool numeric = false;
};

// Normalises box `index` (0 X .. 5 C) and tests it for being numeric; a text that is not lists
// "Hotedit" "300" "X = <text> is false" (the box's letter), and the window puts the focus back
// into the box while the frame is visible.
BoxCheck CheckInputBox(AppContext& context, int index, std::string_view text);

// `BuildOffsetText`: the offset of the boxes, "{X x, Y y, Z z, A a, B b, C c}" or, in the AXIS
// state, "{A1 a1, A2 a2, ..., A6 a6}", numbers with "." (geometry's FormatNumber). A box that
// is not numeric counts as 0 and is shown as "0,0000".
struct OffsetEntry {
  std::string text;
  InputBoxes boxes;  // what the boxes show afterwards
};
OffsetEntry BuildOffsetText(int state, const InputBoxes& boxes);

}  // namespace velmora

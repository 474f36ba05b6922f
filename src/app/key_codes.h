#pragma once
// Key codes of the navigation: the virtual-key numbers the pendant and the operator interface
// use, and the shift state bits (1 Shift, 2 Ctrl, 4 Alt).
class QKeyEvent;

namespace velmora {

namespace vk {
inline constexpr int kBack = 8, kTab = 9, kReturn = 13, kShift = 16, kControl = 17, kMenu = 18,
                     kEscape = 27, kPrior = 33, kNext = 34, kEnd = 35, kHome = 36, kLeft = 37,
                     kUp = 38, kRight = 39, kDown = 40, kDelete = 46, kA = 65, kC = 67, kF = 70,
                     kV = 86, kX = 88, kNumpad1 = 97, kNumpad9 = 105, kF1 = 112, kF3 = 114;
}  // namespace vk

inline constexpr int kShiftMask = 1, kCtrlMask = 2, kAltMask = 4;

struct KeyCode {
  int code = 0;   // 0: a key without a code of its own
  int shift = 0;  // the shift state bits held with it (a released modifier no longer counts)
};

// The key code and shift state of a keyboard event.
KeyCode KeyCodeOf(const QKeyEvent& event);

}  // namespace velmora

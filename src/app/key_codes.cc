#include "app/key_codes.h"

#include <QKeyEvent>

namespace velmora {

KeyCode KeyCodeOf(const QKeyEvent& event) {
  KeyCode key;
  const Qt::KeyboardModifiers mods = event.modifiers();
  if (mods & Qt::ShiftModifier) key.shift |= kShiftMask;
  if (mods & Qt::ControlModifier) key.shift |= kCtrlMask;
  if (mods & Qt::AltModifier) key.shift |= kAltMask;
  const bool keypad = mods & Qt::KeypadModifier;
  const int k = event.key();
  switch (k) {
    case Qt::Key_Backspace:
      key.code = vk::kBack;
      break;
    case Qt::Key_Tab:
      key.code = vk::kTab;
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      key.code = vk::kReturn;
      break;
    case Qt::Key_Shift:
      key.code = vk::kShift;
      break;
    case Qt::Key_Control:
      key.code = vk::kControl;
      break;
    case Qt::Key_Alt:
      key.code = vk::kMenu;
      break;
    case Qt::Key_Escape:
      key.code = vk::kEscape;
      break;
    case Qt::Key_PageUp:
      key.code = vk::kPrior;
      break;
    case Qt::Key_PageDown:
      key.code = vk::kNext;
      break;
    case Qt::Key_End:
      key.code = vk::kEnd;
      break;
    case Qt::Key_Home:
      key.code = vk::kHome;
      break;
    case Qt::Key_Left:
      key.code = vk::kLeft;
      break;
    case Qt::Key_Up:
      key.code = vk::kUp;
      break;
    case Qt::Key_Right:
      key.code = vk::kRight;
      break;
    case Qt::Key_Down:
      key.code = vk::kDown;
      break;
    case Qt::Key_Delete:
      key.code = vk::kDelete;
      break;
    default:
      if (k >= Qt::Key_F1 && k <= Qt::Key_F24) {
        key.code = vk::kF1 + (k - Qt::Key_F1);
      } else if (k >= Qt::Key_1 && k <= Qt::Key_9 && keypad) {
        key.code = vk::kNumpad1 + (k - Qt::Key_1);
      } else if ((k >= Qt::Key_0 && k <= Qt::Key_9) || (k >= Qt::Key_A && k <= Qt::Key_Z)) {
        key.code = k;  // the virtual-key numbers of digits and letters are their ASCII codes
      }
  }
  // The press of a modifier key holds that modifier (not every platform reports it so), its
  // release no longer does.
  if (event.type() == QEvent::KeyPress) {
    if (k == Qt::Key_Shift) key.shift |= kShiftMask;
    if (k == Qt::Key_Control) key.shift |= kCtrlMask;
    if (k == Qt::Key_Alt) key.shift |= kAltMask;
  } else {
    if (k == Qt::Key_Shift) key.shift &= ~kShiftMask;
    if (k == Qt::Key_Control) key.shift &= ~kCtrlMask;
    if (k == Qt::Key_Alt) key.shift &= ~kAltMask;
  }
  return key;
}

}  // namespace velmora

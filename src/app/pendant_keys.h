#pragma once
// `PendantKeys`: the teach-pendant key control. Pendant key codes come from the PC keyboard
// (the key map below) and from the pendant channel of the controller; both reach the window
// as key-down and key-up codes: 113..119 soft keys 0..6, 120..127 menu keys 0..7, 128..133
// status keys 0..5.
#include <QObject>
#include <functional>
#include <string>
#include <vector>

namespace velmora {

struct KeyMapEntry {
  int qt_key;
  Qt::KeyboardModifiers modifiers;
  int code;          // the pendant key code it stands for
  std::string name;  // how the keyboard key is written ("Shift+F1")
};

// The keyboard map: F5..F11 soft keys, Shift+F1..F8 menu keys, Ctrl+F1..F6 status keys.
const std::vector<KeyMapEntry>& PendantKeyMap();
// The keyboard name of a pendant key code; empty when no key stands for it.
std::string KeyboardNameOf(int code);

class PendantKeys : public QObject {
 public:
  PendantKeys() = default;
  // Starts the control: from now on the mapped keyboard keys arrive as pendant codes.
  void Start();
  bool started() const { return started_; }
  // A code of the controller's pendant channel: control codes (113..133) arrive as a key down
  // and a key up, the operator interface's codes go to `on_hux_key`.
  void ControllerKey(int code);

  std::function<void(int code)> on_key_down;
  std::function<void(int code)> on_key_up;
  // A status key held down: the repeat code 100..150 (key index + 10, times 10).
  std::function<void(int code)> on_repeat;
  std::function<void(int code)> on_hux_key;
  // F1: the key map.
  std::function<void()> on_help;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool started_ = false;
};

}  // namespace velmora

#include "app/pendant_keys.h"

#include <QApplication>
#include <QKeyEvent>

namespace velmora {
namespace {

constexpr int kFirstSoftKey = 113;
constexpr int kFirstMenuKey = 120;
constexpr int kFirstStatusKey = 128;
constexpr int kLastStatusKey = 133;

std::vector<KeyMapEntry> BuildKeyMap() {
  std::vector<KeyMapEntry> map;
  static const char* const kF[] = {"F1", "F2", "F3", "F4",  "F5",  "F6",
                                   "F7", "F8", "F9", "F10", "F11", "F12"};
  for (int i = 0; i < 7; ++i)
    map.push_back({Qt::Key_F5 + i, Qt::NoModifier, kFirstSoftKey + i, kF[4 + i]});
  for (int i = 0; i < 8; ++i)
    map.push_back(
        {Qt::Key_F1 + i, Qt::ShiftModifier, kFirstMenuKey + i, std::string("Shift+") + kF[i]});
  for (int i = 0; i < 6; ++i)
    map.push_back(
        {Qt::Key_F1 + i, Qt::ControlModifier, kFirstStatusKey + i, std::string("Ctrl+") + kF[i]});
  return map;
}

const KeyMapEntry* Find(const QKeyEvent& e) {
  const Qt::KeyboardModifiers mods =
      e.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  for (const KeyMapEntry& entry : PendantKeyMap())
    if (entry.qt_key == e.key() && entry.modifiers == mods) return &entry;
  return nullptr;
}

}  // namespace

const std::vector<KeyMapEntry>& PendantKeyMap() {
  static const std::vector<KeyMapEntry> map = BuildKeyMap();
  return map;
}

std::string KeyboardNameOf(int code) {
  for (const KeyMapEntry& entry : PendantKeyMap())
    if (entry.code == code) return entry.name;
  return {};
}

void PendantKeys::Start() {
  if (started_) return;
  started_ = true;
  qApp->installEventFilter(this);
}

void PendantKeys::ControllerKey(int code) {
  if (code >= kFirstSoftKey && code <= kLastStatusKey) {
    if (on_key_down) on_key_down(code);
    if (on_key_up) on_key_up(code);
    return;
  }
  if (on_hux_key) on_hux_key(code);
}

bool PendantKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
    return QObject::eventFilter(watched, event);
  // A modal question has the operator's keys to itself.
  if (QApplication::activeModalWidget()) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
    if (event->type() == QEvent::KeyPress && !key->isAutoRepeat() && on_help) on_help();
    return true;
  }
  const KeyMapEntry* entry = Find(*key);
  if (!entry) return false;
  const int code = entry->code;
  if (event->type() == QEvent::KeyPress) {
    if (!key->isAutoRepeat()) {
      if (on_key_down) on_key_down(code);
    } else if (code >= kFirstStatusKey && on_repeat) {
      on_repeat((code - kFirstStatusKey + 10) * 10);
    }
  } else if (!key->isAutoRepeat() && on_key_up) {
    on_key_up(code);
  }
  return true;
}

}  // namespace velmora

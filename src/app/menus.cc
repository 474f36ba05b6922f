#include "app/menus.h"

#include "app/qt_text.h"
#include "base/language.h"
#include "base/strings.h"

namespace velmora {
namespace {

struct ItemDef {
  const char* id;
  const char* parent;    // the menu or submenu it belongs to
  bool submenu;          // the item opens a submenu of its own
  const char* shortcut;  // shown beside the caption; the keys act in the program view
};

// The menus in the order they show.
constexpr ItemDef kItems[] = {
    {"mnuOpen", "mnuFile", false, ""},
    {"mnuSave", "mnuFile", false, ""},
    {"mnuPrint", "mnuFile", true, ""},
    {"mnuaktuelle", "mnuPrint", false, ""},
    {"mnualles", "mnuPrint", false, ""},
    {"mnuClose", "mnuFile", false, ""},
    {"mnuExit", "mnuFile", false, ""},
    {"mnuCut", "mnuEdit", false, "Ctrl+X"},
    {"mnuCopy", "mnuEdit", false, "Ctrl+C"},
    {"mnuPaste", "mnuEdit", true, ""},
    {"mnuOrgPath", "mnuPaste", false, "Ctrl+V"},
    {"mnuRevPath", "mnuPaste", false, ""},
    {"mnuDelete", "mnuEdit", false, "Del"},
    {"mnuSelAll", "mnuEdit", false, "Ctrl+A"},
    {"mnuMirror", "mnuUtil", false, ""},
    {"mnuManEnt", "mnuUtil", true, ""},
    {"mnuCartBase", "mnuManEnt", false, ""},
    {"mnuCartTCP", "mnuManEnt", false, ""},
    {"mnuCartWorld", "mnuManEnt", false, ""},
    {"mnuJoint", "mnuManEnt", false, ""},
    {"mnuChangeIdent", "mnuUtil", false, ""},
    {"mnuCleanFile", "mnuUtil", false, ""},
    {"mnuCleanMaster", "mnuUtil", false, ""},
    {"mnuTCPadj", "mnuUtil", false, ""},
    {"mnuFrameAdj", "mnuUtil", false, ""},
    {"mnuHotBase", "mnuHotEdit", false, ""},
    {"mnuHotTCP", "mnuHotEdit", false, ""},
    {"mnuHotWorld", "mnuHotEdit", false, ""},
    {"mnuHotTTSOnline", "mnuHotEdit", false, ""},
    {"mnuHotTTS", "mnuHotEdit", true, ""},
    {"mnuHotLimits", "mnuHotTTS", false, ""},
    {"mnuHotTTSLimit", "mnuHotTTS", false, ""},
    {"mnuHotBASEWORLDTCP", "mnuHotEdit", true, ""},
    {"mnuHotBASEWORLDTCPLimit", "mnuHotBASEWORLDTCP", false, ""},
    {"mnuSearch", "mnuHotEdit", false, "Ctrl+F"},
    {"mnuFileMirror", "mnuExtUtil", false, ""},
    {"mnuFileShift", "mnuExtUtil", true, ""},
    {"mnuFileShift2Point", "mnuFileShift", false, ""},
    {"mnuFileShift6Point", "mnuFileShift", false, ""},
    {"mnuLimitSet", "mnuExtUtil", false, ""},
    {"mnuausgabe", "mnuoption", true, ""},
    {"mnuandrucker", "mnuausgabe", false, ""},
    {"mnuzuranzeige", "mnuausgabe", false, ""},
    {"mnuindatei", "mnuausgabe", false, ""},
    {"mnusetpath", "mnuausgabe", false, ""},
    {"mnuVersion", "mnuHelp", false, ""},
    {"mnuKeyMap", "mnuHelp", false, "F1"},
};

// Every other item and menu is captioned by the text of its own name:
// lang-key: mnuOpen
// lang-key: mnuSave
// lang-key: mnuPrint
// lang-key: mnuaktuelle
// lang-key: mnualles
// lang-key: mnuClose
// lang-key: mnuExit
// lang-key: mnuCut
// lang-key: mnuCopy
// lang-key: mnuPaste
// lang-key: mnuOrgPath
// lang-key: mnuRevPath
// lang-key: mnuDelete
// lang-key: mnuSelAll
// lang-key: mnuMirror
// lang-key: mnuManEnt
// lang-key: mnuCartBase
// lang-key: mnuCartTCP
// lang-key: mnuCartWorld
// lang-key: mnuJoint
// lang-key: mnuChangeIdent
// lang-key: mnuCleanFile
// lang-key: mnuCleanMaster
// lang-key: mnuTCPadj
// lang-key: mnuFrameAdj
// lang-key: mnuLimitSet
// lang-key: mnuausgabe
// lang-key: mnuandrucker
// lang-key: mnuzuranzeige
// lang-key: mnuindatei
// lang-key: mnusetpath
// lang-key: mnuVersion
// lang-key: mnuKeyMap
// lang-key: mnuFile
// lang-key: mnuEdit
// lang-key: mnuUtil
// lang-key: mnuHotEdit
// lang-key: mnuExtUtil
// lang-key: mnuoption
// lang-key: mnuHelp

// The menu of each menu key; key 6 has none.
constexpr const char* kKeyMenus[8] = {"mnuFile",    "mnuEdit",   "mnuUtil", "mnuHotEdit",
                                      "mnuExtUtil", "mnuoption", nullptr,   "mnuHelp"};

// Items captioned otherwise than by the text of their own name.
constexpr const char* kOwnCaptions[] = {"mnuSearch",          "mnuHotBase",
                                        "mnuHotTCP",          "mnuHotWorld",
                                        "mnuHotTTSOnline",    "mnuHotLimits",
                                        "mnuHotTTS",          "mnuHotTTSLimit",
                                        "mnuHotBASEWORLDTCP", "mnuHotBASEWORLDTCPLimit",
                                        "mnuFileMirror",      "mnuFileShift",
                                        "mnuFileShift2Point", "mnuFileShift6Point"};

bool IsOutputKind(std::string_view id) {
  return id == "mnuandrucker" || id == "mnuzuranzeige" || id == "mnuindatei";
}

}  // namespace

Menus::Menus(QWidget* parent) {
  for (int key = 0; key < 8; ++key)
    if (kKeyMenus[key]) popups_[key] = AddMenu(kKeyMenus[key], parent);
  for (const ItemDef& def : kItems) {
    QMenu* owner = menus_.at(def.parent);
    if (def.submenu) {
      QMenu* sub = AddMenu(def.id, owner);
      owner->addMenu(sub);
      continue;
    }
    QAction* action = owner->addAction(QString::fromLatin1(def.id));
    if (*def.shortcut) {
      action->setShortcut(QKeySequence(QString::fromLatin1(def.shortcut)));
      action->setShortcutContext(Qt::WidgetShortcut);
    }
    action->setCheckable(IsOutputKind(def.id));
    std::string id = def.id;
    QObject::connect(action, &QAction::triggered, owner, [this, id] {
      if (on_chosen) on_chosen(id);
    });
    items_[id] = action;
  }
}

QMenu* Menus::AddMenu(const std::string& id, QWidget* parent) {
  auto* menu = new QMenu(QString::fromStdString(id), parent);
  menu->setObjectName(QString::fromStdString(id));
  menus_[id] = menu;
  items_[id] = menu->menuAction();
  return menu;
}

void Menus::SetFont(const QFont& font) {
  for (auto& [id, menu] : menus_) menu->setFont(font);
}

QMenu* Menus::PopupOfKey(int key) const {
  return key >= 0 && key < 8 ? popups_[key] : nullptr;
}

QAction* Menus::Item(std::string_view id) const {
  auto it = items_.find(id);
  return it == items_.end() ? nullptr : it->second;
}

void Menus::SetEnabled(std::string_view id, bool on) {
  if (QAction* a = Item(id)) a->setEnabled(on);
}

bool Menus::IsEnabled(std::string_view id) const {
  QAction* a = Item(id);
  return a && a->isEnabled();
}

void Menus::SetCaptions(const Language& language) {
  auto text = [&](std::string_view key) { return language.AssistantText(key); };
  for (auto& [id, action] : items_) {
    bool exception = false;
    for (const char* e : kOwnCaptions) exception = exception || id == e;
    if (!exception) action->setText(UiText(language.AssistantText(id)));
  }
  const std::string limits = text("Limits");
  std::string file = Trim(text("mnuFile"));
  file = (file.size() > 2 ? file.substr(2, 10) : std::string()) + " - ";
  const std::pair<const char*, std::string> exceptions[] = {
      {"mnuSearch", text("Search")},
      {"mnuHotBase", text("Base")},
      {"mnuHotTCP", text("TCP")},
      {"mnuHotWorld", text("World")},
      {"mnuHotTTSOnline", text("TTS")},
      {"mnuHotLimits", limits + " - Base/World"},
      {"mnuHotTTS", limits + " Online"},
      {"mnuHotTTSLimit", limits + " - TTS"},
      {"mnuHotBASEWORLDTCP", limits + " Offline"},
      {"mnuHotBASEWORLDTCPLimit", limits + " - BASE/WORLD/TCP"},
      {"mnuFileMirror", file + text("mnuMirror")},
      {"mnuFileShift", file + text("mnuShift")},
      {"mnuFileShift2Point", text("mnu2PointShift")},
      {"mnuFileShift6Point", text("mnu6PointShift")},
  };
  for (const auto& [id, caption] : exceptions) Item(id)->setText(UiText(caption));
}

}  // namespace velmora

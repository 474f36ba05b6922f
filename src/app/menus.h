#pragma once
// The popup menus of the menu keys. The menu bar is never shown; each menu opens as a popup
// under its key. Items are named by their ids ("mnuOpen"); the ids are also the language keys
// of their captions.
#include <QAction>
#include <QMenu>
#include <QString>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace velmora {

class Language;

class Menus {
 public:
  explicit Menus(QWidget* parent);
  // The popup of menu key 0..7; nullptr for key 6, which has none.
  QMenu* PopupOfKey(int key) const;
  // The action of an item or of a submenu ("mnuPrint", "mnuManEnt") or a whole menu
  // ("mnuEdit"); nullptr for an unknown id.
  QAction* Item(std::string_view id) const;
  void SetEnabled(std::string_view id, bool on);
  bool IsEnabled(std::string_view id) const;
  // Popups are windows of their own: they get the window's font here.
  void SetFont(const QFont& font);
  // `SetCaptions` for the menus (the key captions are set by the window).
  void SetCaptions(const Language& language);
  // Called with the id of an item the operator chose.
  std::function<void(const std::string& id)> on_chosen;

 private:
  QMenu* AddMenu(const std::string& id, QWidget* parent);
  std::map<std::string, QAction*, std::less<>> items_;
  std::map<std::string, QMenu*, std::less<>> menus_;
  QMenu* popups_[8] = {};
};

}  // namespace velmora

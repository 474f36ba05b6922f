#pragma once
// The three key rows of the main window: eight menu keys along the top (`MenueKey`), seven
// soft keys along the bottom (`SoftKey`) and six status keys down the left edge (`StatKeyL`).
#include <array>
#include <functional>

#include "app/key_button.h"
#include "app/pictures.h"
#include "app/twips.h"

namespace velmora {

using SoftKeyPictures = std::array<MaybePicture, 7>;

class KeyRows {
 public:
  KeyRows(QWidget* window, const Twips& twips);

  KeyButton* MenueKey(int i) const { return menu_[static_cast<size_t>(i)]; }
  KeyButton* SoftKey(int i) const { return soft_[static_cast<size_t>(i)]; }
  KeyButton* StatKeyL(int i) const { return status_[static_cast<size_t>(i)]; }

  // `SetSoftKeys`: soft key i gets picture i and is enabled; a key without one is disabled
  // and its picture cleared.
  void SetSoftKeys(const SoftKeyPictures& pictures);
  // A status key's picture and enabling in one step.
  void SetStatusKey(int i, bool enabled, MaybePicture picture);

  // Mouse clicks on the keys.
  std::function<void(int)> on_menu_key;
  std::function<void(int)> on_soft_key;
  std::function<void(int)> on_status_key;

 private:
  std::array<KeyButton*, 8> menu_{};
  std::array<KeyButton*, 7> soft_{};
  std::array<KeyButton*, 6> status_{};
};

}  // namespace velmora
